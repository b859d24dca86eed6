// Spreadsheets from quelmar-cli: --xlsx and --csv beside each order's usual output, and
// "importar" writing a problem file from a sheet, all through the windows' functions.
#include "Argumentos.h"
#include "AyudasCli.h"
#include "HojaIndependiente.h"

#include <QTemporaryDir>

#include <cmath>

namespace {

class HojasCli : public testing::Test {
protected:
    QTemporaryDir carpeta;

    QString Ruta(const char* nombre) { return carpeta.filePath(nombre); }
    QString Problema() {
        Escribir(Ruta("p.lot"), Lot(Ejemplo("6")));
        return Ruta("p.lot");
    }
};

} // namespace

TEST(ArgumentosHojasCli, UnaSolaHojaYNoEnElInforme) {
    for (const QStringList& argumentos :
         {QStringList{"resolver", "p.lot", "--xlsx", "a.xlsx", "--csv", "a.csv"},
          QStringList{"informe", "p.lot", "-o", "i.pdf", "--xlsx", "a.xlsx"}})
        EXPECT_THROW(LeerArgumentos(argumentos), ErrorUso);
}

// The workbook beside the solution, which still goes to standard output; in a glibc locale with
// a decimal comma, as Qt sets it up, the numbers must still be the file format's.
TEST_F(HojasCli, ResolverEscribeElLibroTambienConComaDecimal) {
    const QString locales = Ruta("locales");
    QProcess localedef;
    localedef.start("localedef", {"-i", "es_ES", "-f", "UTF-8", locales + "/es_ES.UTF-8"});
    ASSERT_TRUE(localedef.waitForFinished(60000)) << "localedef";
    QProcess cli;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert("LOCPATH", locales);
    entorno.insert("LC_ALL", "es_ES.UTF-8");
    cli.setProcessEnvironment(entorno);
    cli.start(QUELMAR_CLI, {"resolver", Problema(), "--xlsx", Ruta("p.xlsx")});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), SalidaHecho) << cli.readAllStandardError().toStdString();
    EXPECT_TRUE(cli.readAllStandardOutput().startsWith("\t1\t2"));

    const std::vector<HojaExterna> hojas = LeerConOpenpyxl(Ruta("p.xlsx"));
    ASSERT_EQ(hojas.size(), 4u);
    EXPECT_EQ(hojas[0].Numero("J10"), 635); // the total of POQ, the best
    EXPECT_EQ(hojas[1].Numero("B6"), 1);
}

// The statistics the report rounds, whole; the semilla that repeats the run.
TEST_F(HojasCli, ExperimentosConSuSemilla) {
    const Resultado r = EnProceso({"experimentos", "--traza", Ruta("t.txt"), "--semilla", "42",
                                   "--NExp", "30", "--optimo", "--xlsx", Ruta("e.xlsx")});
    ASSERT_EQ(r.estado, SalidaHecho);
    const QStringList informe = QString::fromUtf8(r.salida).split('\n');
    const std::vector<HojaExterna> hojas = LeerConOpenpyxl(Ruta("e.xlsx"));
    ASSERT_EQ(hojas.size(), 2u);
    const HojaExterna& estadisticas = hojas[0];
    EXPECT_EQ(estadisticas.nombre, "Estadísticas");
    for (int m = 0; m < 6; ++m) {
        const QStringList linea = informe[m + 2].split('\t');
        const QString f = QString::number(m + 2);
        EXPECT_EQ(estadisticas.Numero("B" + f), linea[1].toInt());
        const double desvMed = estadisticas.Numero("E" + f);
        EXPECT_EQ(QString::number(std::nearbyint(100 * desvMed)) + '%', linea[4]);
    }
    EXPECT_EQ(estadisticas.Texto("A9"), "Plan óptimo");
    const HojaExterna& ejecucion = hojas[1];
    std::map<QString, QString> filas;
    for (int f = 2; ejecucion.celdas.count(QStringLiteral("A%1").arg(f)); ++f)
        filas[ejecucion.Texto(QStringLiteral("A%1").arg(f))] = QStringLiteral("B%1").arg(f);
    EXPECT_EQ(ejecucion.Numero(filas.at("Semilla")), 42);
    EXPECT_EQ(ejecucion.Numero(filas.at("Nº experimentos")), 30);
    EXPECT_EQ(ejecucion.Numero(filas.at("Experimentos hechos")), 30);
    EXPECT_EQ(ejecucion.Texto(filas.at("Comparar con el óptimo")), "Sí");
}

TEST_F(HojasCli, ImportarEscribeElProblema) {
    Escribir(Ruta("h.csv"), "NB;10;;2,5\r\nRP;0;4\r\n");
    const Resultado r = EnProceso({"importar", Ruta("h.csv"), "-o", Ruta("n.lot")});
    ASSERT_EQ(r.estado, SalidaHecho) << r.errores.toStdString();
    const QByteArray lot = Leer(Ruta("n.lot"));
    EXPECT_TRUE(lot.startsWith("N\xBA per\xEDodos = 3\r\n"));
    EXPECT_TRUE(lot.contains("\r\n10\t0\t2,5\r\n"));
    EXPECT_TRUE(lot.contains("\r\n0\t4\t0\r\n"));

    // Into a problem file's other data; a bad cell changes nothing.
    Escribir(Ruta("mala.csv"), "1;2\r\n3;x\r\n");
    const Resultado mala =
        EnProceso({"importar", Ruta("mala.csv"), "-o", Ruta("n.lot"), "--problema", Problema()});
    EXPECT_EQ(mala.estado, SalidaAviso);
    EXPECT_EQ(mala.errores, "Fila 2, columna B: «x» no es un número.\n");
    EXPECT_EQ(Leer(Ruta("n.lot")), lot);
}

// The project window's workbook: the summary, then every item's record; and the summary as CSV,
// with the summary still on standard output.
TEST_F(HojasCli, ExplotarEscribeElResumenYCadaRegistro) {
    const QString mesa = QStringLiteral(QUELMAR_EJEMPLO_MESA);
    const Resultado libro = EnProceso({"explotar", mesa, "--xlsx", Ruta("m.xlsx")});
    ASSERT_EQ(libro.estado, SalidaHecho) << libro.errores.toStdString();
    EXPECT_TRUE(libro.salida.startsWith("Art"));
    const std::vector<HojaExterna> hojas = LeerConOpenpyxl(Ruta("m.xlsx"));
    ASSERT_EQ(hojas.size(), 5u);
    EXPECT_EQ(hojas[0].nombre, "Resumen");
    EXPECT_EQ(hojas[0].Numero("F6"), 982.5);
    EXPECT_EQ(hojas[4].nombre, "BARRA");
    EXPECT_EQ(hojas[4].Numero("L10"), 120);

    const Resultado csv = EnProceso({"explotar", mesa, "--metodo", "3", "--csv", Ruta("m.csv")});
    ASSERT_EQ(csv.estado, SalidaHecho);
    const HojaExterna resumen = LeerConCsv(Ruta("m.csv"), u';', u',');
    EXPECT_EQ(resumen.Texto("C2"), "Mínimo coste total");
    EXPECT_EQ(resumen.Numero("F6"), 792.5);
}
