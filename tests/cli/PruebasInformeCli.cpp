// "informe" as a teacher runs it over a folder of exercises: the real executable, without a
// display, writes the report a student would export from the window.
#include "AyudasCli.h"
#include "TextoPdf.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// An environment variable set, or removed, for as long as the object lives.
class Variable {
public:
    Variable(const char* nombre, const QByteArray* valor) : nombre_(nombre) {
        if (qEnvironmentVariableIsSet(nombre)) anterior_ = qgetenv(nombre);
        if (valor)
            qputenv(nombre, *valor);
        else
            qunsetenv(nombre);
    }
    ~Variable() {
        if (anterior_)
            qputenv(nombre_, *anterior_);
        else
            qunsetenv(nombre_);
    }
    Variable(const Variable&) = delete;
    Variable& operator=(const Variable&) = delete;

private:
    const char* nombre_;
    std::optional<QByteArray> anterior_;
};

class InformeCli : public testing::Test {
protected:
    QTemporaryDir carpeta;
    // No display at all, and a platform that would need one: the order must not ask for it.
    const QByteArray xcb = "xcb";
    Variable plataforma{"QT_QPA_PLATFORM", &xcb};
    Variable pantalla{"DISPLAY", nullptr};
    Variable wayland{"WAYLAND_DISPLAY", nullptr};

    QString Problema(const DatosProblema& datos) {
        const QString ruta = carpeta.filePath("ejercicio1.lot");
        Escribir(ruta, Lot(datos));
        return ruta;
    }
};

} // namespace

TEST_F(InformeCli, ElEjemploSinPantalla) {
    const QString pdf = carpeta.filePath("ejercicio1.pdf");
    const Resultado r = ConEjecutable({"informe", Problema(Ejemplo("0")), "-o", pdf});
    EXPECT_EQ(r.estado, 0) << r.errores.toStdString();
    EXPECT_TRUE(r.errores.endsWith("Lotificación: Lote a lote\n")) << r.errores.toStdString();
    EXPECT_EQ(r.salida, "");
    const QString texto = TextoPdf(pdf);
    ComprobarInformeEjemplo(texto);
    EXPECT_TRUE(TieneLinea(texto, {"Problema:", "ejercicio1.lot"}));
    EXPECT_EQ(PaginasPdf(pdf), 1);
}

TEST_F(InformeCli, MetodoSinCostesYAvisos) {
    const QString pdf = carpeta.filePath("i.pdf");
    Resultado r = ConEjecutable(
        {"informe", Problema(Ejemplo("0")), "-o", pdf, "--metodo", "7", "--sin-costes"});
    EXPECT_EQ(r.estado, 0) << r.errores.toStdString();
    const QString texto = TextoPdf(pdf);
    EXPECT_TRUE(TieneLinea(texto, {"Lotificación:", "Plan", "óptimo", "(Wagner-Whitin)"}));
    EXPECT_TRUE(TieneLinea(texto, {"Coste", "total:", "600"}));
    EXPECT_TRUE(TieneLinea(texto, {"PPL", "50", "130", "170", "115"}));
    EXPECT_FALSE(texto.contains("CTotal"));

    // A warning refuses the order: nothing is written.
    QFile::remove(pdf);
    DatosProblema sinCostes = Ejemplo("4");
    sinCostes.CE = "0";
    r = ConEjecutable({"informe", Problema(sinCostes), "-o", pdf});
    EXPECT_EQ(r.estado, 1);
    EXPECT_TRUE(r.errores.endsWith(
        "Especifique valores distintos de 0 para los costes de emisión y posesión\n"));
    EXPECT_FALSE(QFile::exists(pdf));
}

// The dialog's choices as options: the cover's line, the comparison, one decimal, no chart.
TEST_F(InformeCli, LaEleccionDelInforme) {
    const QString pdf = carpeta.filePath("ana.pdf");
    DatosProblema datos = Ejemplo("0");
    datos.CP = "0,333";
    const Resultado r =
        ConEjecutable({"informe", Problema(datos), "-o", pdf, "--alumno", "Ana Pérez",
                       "--sin-grafico", "--comparar", "--decimales", "1"});
    EXPECT_EQ(r.estado, 0) << r.errores.toStdString();
    const QString texto = TextoPdf(pdf);
    EXPECT_TRUE(TieneLinea(texto, {"Alumno:", "Ana", "Pérez"})) << texto.toStdString();
    EXPECT_TRUE(TieneLinea(texto, {"Comparación", "de", "métodos"}));
    EXPECT_FALSE(texto.contains("Gráfico del plan"));
    EXPECT_TRUE(TieneLinea(texto, {"Coste", "de", "posesión:", "0,333"}));
    EXPECT_TRUE(TieneLinea(texto, {"Cp", "3,3"})) << "10 left at the end of period 1";
}
