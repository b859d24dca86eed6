// The real executable: its exit statuses, what it writes where, and the environment's locale.
#include "AyudasCli.h"

#include <QTemporaryDir>

namespace {

class EjecutableCli : public testing::Test {
protected:
    QTemporaryDir carpeta;

    QString Problema(const DatosProblema& datos) {
        const QString ruta = carpeta.filePath("p.lot");
        Escribir(ruta, Lot(datos));
        return ruta;
    }
};

} // namespace

TEST_F(EjecutableCli, EstadosDeSalida) {
    DatosProblema sinNecesidad = Ejemplo("0");
    sinNecesidad.NB = "0\t0\t0\t0\t0\t0\t0\t0";
    DatosProblema costeCero = Ejemplo("4");
    costeCero.CE = "0";
    DatosProblema celdaMala = Ejemplo("0");
    celdaMala.NB = "50\tx\t70\t60\t95\t75\t60\t55";
    const QString traza = carpeta.filePath("t.txt");

    const struct {
        const char* nombre;
        DatosProblema problema; // written to p.lot, which "%p" names
        QStringList argumentos;
        int estado;
        QByteArray errores; // the start of standard error
    } casos[] = {
        {"resuelto", Ejemplo("6"), {"resolver", "%p"}, 0, "Lotificación: POQ\n"},
        {"experimentos_hechos", {}, {"experimentos", "--traza", traza, "--NExp", "3"}, 0, ""},
        {"sin_necesidad_bruta",
         sinNecesidad,
         {"resolver", "%p"},
         1,
         "Especifique algún valor de necesidad bruta para resolver.\n"},
        {"coste_cero",
         costeCero,
         {"resolver", "%p"},
         1,
         "Especifique valores distintos de 0 para los costes de emisión y posesión\n"},
        {"experimentos_rechazados",
         {},
         {"experimentos", "--traza", traza, "--NPMin", "0"},
         1,
         "Especifique en «Nº Períodos Min:» un número de períodos entre 1 y 99.\n"},
        {"fichero_inexistente",
         {},
         {"resolver", carpeta.filePath("no.lot")},
         2,
         "File not found\n"},
        {"celda_mala",
         celdaMala,
         {"resolver", "%p"},
         2,
         "'x' is not a valid floating point value\n"},
        {"solucion_en_carpeta_inexistente",
         Ejemplo("0"),
         {"resolver", "%p", "-o", carpeta.filePath("no/s.sol")},
         2,
         "File not found\n"},
        {"sin_argumentos", {}, {}, 64, "quelmar-cli: falta la orden\nUso: "},
        {"opcion_desconocida",
         {},
         {"resolver", "%p", "--costes"},
         64,
         "quelmar-cli: opción desconocida «--costes»\nUso: "},
        {"falta_un_valor",
         {},
         {"experimentos", "--traza"},
         64,
         "quelmar-cli: falta el valor de «--traza»\nUso: "},
        {"semilla_mala",
         {},
         {"experimentos", "--traza", traza, "--semilla", "-1"},
         64,
         "quelmar-cli: la semilla ha de ser"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        QStringList argumentos = caso.argumentos;
        if (!caso.problema.N.isEmpty()) argumentos.replaceInStrings("%p", Problema(caso.problema));
        const Resultado r = ConEjecutable(argumentos);
        EXPECT_EQ(r.estado, caso.estado);
        EXPECT_TRUE(r.errores.startsWith(caso.errores)) << r.errores.toStdString();
        if (caso.estado == 64) {
            EXPECT_TRUE(r.errores.contains("quelmar-cli --help | --version\n"));
        }
        if (caso.estado != 0) {
            EXPECT_EQ(r.salida, "");
        }
    }
}

TEST_F(EjecutableCli, AyudaYVersionEnLaSalidaEstandar) {
    const Resultado version = ConEjecutable({"--version"});
    EXPECT_EQ(version.estado, 0);
    EXPECT_EQ(version.salida, "quelmar-cli 1.0.0\n");
    const Resultado ayuda = ConEjecutable({"--help"});
    EXPECT_EQ(ayuda.estado, 0);
    EXPECT_TRUE(ayuda.salida.startsWith("Uso: quelmar-cli resolver PROBLEMA.lot"));
    EXPECT_EQ(ayuda.errores, "");
}

// The solution's bytes reach standard output unchanged: Windows-1252, CR LF.
TEST_F(EjecutableCli, SolucionBinariaEnLaSalidaEstandar) {
    const Resultado r = ConEjecutable({"resolver", Problema(Ejemplo("0")), "--sin-costes"});
    EXPECT_EQ(r.estado, 0);
    EXPECT_TRUE(r.salida.startsWith("\t1\t2\t3\t4\t5\t6\t7\t8\r\nNB\t50\t"));
    EXPECT_EQ(r.salida.count("\r\n"), 7);
}

// Numbers are read and written in the environment's locale, not in a fixed one.
TEST_F(EjecutableCli, LocaleDelEntorno) {
    const DatosProblema ingles{"2", "1", "0", "12.5", "0.5", "0", "20\t30", "0\t0", "0\t0"};
    const Resultado r = ConEjecutable({"resolver", Problema(ingles)}, "en_US.UTF-8");
    EXPECT_EQ(r.estado, 0) << r.errores.toStdString();
    EXPECT_TRUE(r.salida.endsWith("\nCTotal\t2.5\t0\t2.5\r\n")) << r.salida.toStdString();

    const Resultado espanol = ConEjecutable({"resolver", Problema(ingles)});
    EXPECT_EQ(espanol.estado, 2);
    EXPECT_EQ(espanol.errores, "'12.5' is not a valid floating point value\n");
}

// Output that cannot be written is a failure, never a success.
TEST_F(EjecutableCli, SalidaEstandarLlena) {
    if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    const Resultado r =
        ConEjecutable({"resolver", Problema(Ejemplo("0"))}, "es_ES.UTF-8", "/dev/full");
    EXPECT_EQ(r.estado, 2);
    EXPECT_EQ(r.errores, "Disk full\n");
}
