// "explotar", and "informe" on a project: every item's .sol as "resolver" writes it for the
// equivalent .lot, the summary, the policies, the report, and the exit statuses.
#include "AyudasCli.h"
#include "TextoPdf.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

const QString Mesa = QStringLiteral(QUELMAR_EJEMPLO_MESA);

class ExplotarCli : public testing::Test {
protected:
    QTemporaryDir carpeta;

    QString Ruta(const QString& nombre) { return carpeta.filePath(nombre); }
};

// A .lot is a project of one item named after the file: its .sol is the one "resolver" writes.
TEST_F(ExplotarCli, ProyectoDeUnArticuloIgualAResolver) {
    const struct {
        const char* metodo;
        QStringList opciones;
    } casos[] = {{"0", {}}, {"1", {"--sin-redondeo"}}, {"2", {"--sin-costes"}},
                 {"6", {}}, {"0", {"--metodo", "7"}},  {"4", {"--metodo", "5"}}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(std::string(caso.metodo) + " " + caso.opciones.join(' ').toStdString());
        const QString problema = Ruta("ejercicio-1.lot");
        Escribir(problema, Lot(Ejemplo(caso.metodo)));
        const Resultado resolver =
            EnProceso(QStringList{"resolver", problema, "-o", Ruta("r.sol")} + caso.opciones);
        ASSERT_EQ(resolver.estado, SalidaHecho);
        const Resultado explotar =
            EnProceso(QStringList{"explotar", problema, "-o", Ruta("e")} + caso.opciones);
        ASSERT_EQ(explotar.estado, SalidaHecho) << explotar.errores.toStdString();
        EXPECT_EQ(Leer(Ruta("e/ejercicio-1.sol")), Leer(Ruta("r.sol")));
    }
}

// Every item written as a .lot with its gross requirements and solved alone gives its .sol.
TEST_F(ExplotarCli, CadaArticuloComoSuLot) {
    const Resultado r = EnProceso({"explotar", Mesa, "-o", Ruta("mesa"), "--lot"});
    ASSERT_EQ(r.estado, SalidaHecho) << r.errores.toStdString();
    EXPECT_EQ(r.salida, "");
    QStringList ficheros = QDir(Ruta("mesa")).entryList(QDir::Files);
    ficheros.sort();
    EXPECT_EQ(ficheros, (QStringList{"BARRA.lot", "BARRA.sol", "MESA.lot", "MESA.sol", "PATA.lot",
                                     "PATA.sol", "TABLERO.lot", "TABLERO.sol", "resumen.tsv"}));
    for (const char* codigo : {"MESA", "TABLERO", "PATA", "BARRA"}) {
        SCOPED_TRACE(codigo);
        const Resultado solo =
            EnProceso({"resolver", Ruta(QStringLiteral("mesa/%1.lot").arg(codigo))});
        EXPECT_EQ(solo.salida, Leer(Ruta(QStringLiteral("mesa/%1.sol").arg(codigo))));
    }
    EXPECT_TRUE(Leer(Ruta("mesa/PATA.lot"))
                    .startsWith("N\xBA per\xEDodos = 10\r\nTiempo de suministro = 1\r\n"
                                "Stock de seguridad = 0\r\nCoste de emisi\xF3n = 80\r\n"
                                "Coste de posesi\xF3n = 0,25\r\nTipo de lotificaci\xF3n = 2\r\n"
                                "0\t0\t0\t0\t0\t160\t0\t0\t240\t0\r\n50\t0\t0"));
}

TEST_F(ExplotarCli, ResumenYPoliticasEnLaSalida) {
    const Resultado resumen = EnProceso({"explotar", Mesa, "--metodo", "0"});
    EXPECT_EQ(resumen.estado, SalidaHecho);
    EXPECT_TRUE(resumen.salida.endsWith("Total del proyecto\t\t\t940\t112,5\t1052,5\r\n"));

    const Resultado politicas = EnProceso({"explotar", Mesa, "--comparar"});
    EXPECT_EQ(politicas.estado, SalidaHecho);
    EXPECT_TRUE(politicas.salida.startsWith(
        "Política\tCoste total\tCoste de emisión\tCoste de posesión\nLote a lote\t1052,5\t"));
    EXPECT_TRUE(politicas.salida.endsWith("La lotificación de cada artículo\t982,5\t570\t412,5\n"));
}

TEST_F(ExplotarCli, AvisosErroresYUso) {
    QByteArray conCiclo = Leer(Mesa);
    conCiclo.replace("\"componentes\": []\n    }\n  ]", "\"componentes\": [{\"codigo\": \"MESA\", "
                                                        "\"cantidad\": 1}]\n    }\n  ]");
    Escribir(Ruta("ciclo.mrp"), conCiclo);
    const Resultado ciclo = EnProceso({"explotar", Ruta("ciclo.mrp"), "-o", Ruta("nada")});
    EXPECT_EQ(ciclo.estado, SalidaAviso);
    EXPECT_EQ(ciclo.errores, "La estructura tiene un ciclo: MESA → PATA → BARRA → MESA\n");
    EXPECT_FALSE(QFile::exists(Ruta("nada")));

    Escribir(Ruta("roto.mrp"), "{\"formato\": ");
    const Resultado roto = EnProceso({"explotar", Ruta("roto.mrp")});
    EXPECT_EQ(roto.estado, SalidaError);
    EXPECT_TRUE(roto.errores.startsWith("El fichero no es JSON válido (línea 1, columna"));

    EXPECT_EQ(EnProceso({"explotar", Ruta("no-existe.mrp")}).errores, "File not found\n");
    EXPECT_EQ(EnProceso({"explotar", Mesa, "--lot"}).estado, SalidaUso);
    EXPECT_EQ(EnProceso({"informe", Mesa, "-o", Ruta("i.pdf"), "--explicar"}).estado, SalidaUso);
    for (const char* eleccion : {"--sin-grafico", "--comparar"})
        EXPECT_EQ(EnProceso({"informe", Mesa, "-o", Ruta("i.pdf"), eleccion}).estado, SalidaUso);
    EXPECT_EQ(EnProceso({"informe", Mesa, "-o", Ruta("i.pdf"), "--alumno", "Ana"}).estado,
              SalidaUso);
    EXPECT_FALSE(QFileInfo::exists(Ruta("i.pdf")));
    EXPECT_EQ(EnProceso({"explotar"}).errores.split('\n').front(),
              "quelmar-cli: falta el fichero del proyecto");
}

// The report of a project, from "explotar" and from "informe", with no display.
TEST_F(ExplotarCli, InformeDelProyecto) {
    const Resultado explotar = ConEjecutable({"explotar", Mesa, "--informe", Ruta("e.pdf")});
    EXPECT_EQ(explotar.estado, SalidaHecho) << explotar.errores.toStdString();
    const Resultado informe = ConEjecutable({"informe", Mesa, "-o", Ruta("i.pdf")});
    EXPECT_EQ(informe.estado, SalidaHecho) << informe.errores.toStdString();
    for (const QString& pdf : {Ruta("e.pdf"), Ruta("i.pdf")}) {
        const QString texto = TextoPdf(pdf);
        EXPECT_TRUE(TieneLinea(texto, {"Quelmar", "—", "proyecto", "MRP"}));
        EXPECT_TRUE(TieneLinea(texto, {"Proyecto:", "mesa.mrp"}));
        EXPECT_TRUE(TieneLinea(texto, {"BARRA", "Barra", "de", "madera", "1", "2"}));
        EXPECT_TRUE(TieneLinea(texto, {"Coste", "total", "del", "proyecto:", "982,5"}));
        EXPECT_TRUE(TieneLinea(texto, {"Mínimo", "coste", "total", "792,5", "470", "322,5"}));
        EXPECT_TRUE(TieneLinea(texto, {"Registro", "MRP", "de", "BARRA"}));
        EXPECT_TRUE(TieneLinea(texto, {"Coste", "total", "de", "BARRA:", "120"}));
    }
}

} // namespace
