// "experimentos": runs repeatable from a seed, the fields given on the command line, the report
// on standard output.
#include "AyudasCli.h"
#include "EspacioTraza.h"
#include "Ficheros.h"

#include <QTemporaryDir>

namespace {

class ExperimentosCli : public testing::Test {
protected:
    QTemporaryDir carpeta;

    Resultado Ejecutar(const QString& traza, const QStringList& opciones) {
        return EnProceso(QStringList{"experimentos", "--traza", carpeta.filePath(traza)} +
                         opciones);
    }
    QByteArray Traza(const QString& nombre) { return Leer(carpeta.filePath(nombre)); }
};

} // namespace

TEST_F(ExperimentosCli, LaMismaSemillaDaLaMismaTraza) {
    const QStringList opciones{"--semilla", "12345", "--NExp", "200"};
    const Resultado primera = Ejecutar("a.txt", opciones);
    const Resultado segunda = Ejecutar("b.txt", opciones);
    ASSERT_EQ(primera.estado, SalidaHecho);
    ASSERT_EQ(segunda.estado, SalidaHecho);
    EXPECT_EQ(Traza("a.txt").count("\r\n"), 1 + 6 * 200);
    EXPECT_EQ(Traza("a.txt"), Traza("b.txt"));

    EXPECT_EQ(Ejecutar("c.txt", {"--semilla", "12346", "--NExp", "200"}).estado, SalidaHecho);
    EXPECT_NE(Traza("a.txt"), Traza("c.txt"));

    // The report depends only on the problems drawn, but for the time taken.
    const auto sinTiempo = [](const QByteArray& informe) {
        return informe.mid(informe.indexOf('\n'));
    };
    EXPECT_EQ(sinTiempo(primera.salida), sinTiempo(segunda.salida));
}

TEST_F(ExperimentosCli, InformeEnLaSalidaEstandar) {
    const Resultado r = Ejecutar("t.txt", {"--semilla", "1", "--NExp", "10"});
    EXPECT_EQ(r.estado, SalidaHecho);
    EXPECT_EQ(r.errores, "");
    const QStringList lineas = QString::fromUtf8(r.salida).split('\n');
    ASSERT_EQ(lineas.size(), 9) << r.salida.toStdString();
    EXPECT_TRUE(lineas[0].startsWith("Nº de experimentos: 10 Tiempo requerido: "));
    EXPECT_TRUE(lineas[0].endsWith(" segundos"));
    EXPECT_EQ(lineas.back(), "") << "the report ends with a line end";
}

// --optimo ticks "Comparar con el óptimo": a seventh trace line per experiment, and the report's
// comparison with the optimum after its eight lines.
TEST_F(ExperimentosCli, ConElOptimo) {
    const Resultado r = Ejecutar("t.txt", {"--semilla", "1", "--NExp", "10", "--optimo"});
    EXPECT_EQ(r.estado, SalidaHecho);
    EXPECT_EQ(Traza("t.txt").count("\r\n"), 1 + 7 * 10);
    EXPECT_EQ(QString::fromUtf8(r.salida).split('\n').size(), 8 + 7 + 1);
}

// The fields given replace the window's defaults, converted in the locale as the window does.
TEST_F(ExperimentosCli, CamposDados) {
    const Resultado r = Ejecutar(
        "t.txt", {"--semilla", "7", "--NExp", "5", "--NPMin", "6", "--NPMax", "6", "--TsMin", "2",
                  "--TsMax", "2", "--CECpMin", "250", "--CeCpMax", "250", "--EProbNB", "0,75"});
    ASSERT_EQ(r.estado, SalidaHecho) << r.errores.toStdString();
    const QList<QByteArray> lineas = Traza("t.txt").split('\n');
    ASSERT_EQ(lineas.size(), 1 + 6 * 5 + 1);
    for (qsizetype i = 1; i <= 30; ++i)
        EXPECT_TRUE(lineas[i].startsWith(QByteArray::number((i - 1) / 6 + 1) + "\t6\t2\t250\t"))
            << lineas[i].toStdString();
}

TEST_F(ExperimentosCli, AvisosYErrores) {
    const struct {
        const char* nombre;
        QStringList opciones;
        int estado;
        QByteArray errores;
    } casos[] = {
        {"periodos_fuera_del_horizonte",
         {"--NPMax", "100"},
         SalidaAviso,
         "Especifique en «Nº Períodos Max:» un número de períodos entre 1 y 99.\n"},
        {"cociente_nulo",
         {"--CECpMin", "0"},
         SalidaAviso,
         "Especifique en «Ce/Cp Min:» un cociente mayor que 0.\n"},
        {"campo_que_no_es_entero",
         {"--NPMin", "cuatro"},
         SalidaError,
         "''cuatro'' is not a valid integer value\n"},
        {"punto_decimal_en_espanol",
         {"--EProbNB", "0.5"},
         SalidaError,
         "'0.5' is not a valid floating point value\n"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const Resultado r = Ejecutar("t.txt", QStringList{"--semilla", "3"} + caso.opciones);
        EXPECT_EQ(r.estado, caso.estado);
        EXPECT_EQ(r.errores, caso.errores);
        EXPECT_EQ(r.salida, "") << "no report after a refusal or a failure";
    }
    const Resultado sinCarpeta =
        EnProceso({"experimentos", "--traza", carpeta.filePath("no/existe.txt")});
    EXPECT_EQ(sinCarpeta.estado, SalidaError);
    EXPECT_EQ(sinCarpeta.errores, "File not found\n");
}

// A run whose trace would fill the disk is refused before the trace is touched.
TEST_F(ExperimentosCli, RechazaUnaTrazaQueNoCabeEnElDisco) {
    const FuncionEspacio anterior = CambiarFuncionEspacio(
        [](const QString&) { return std::optional<std::uint64_t>(10'700'000'000); });
    const Resultado r = Ejecutar("t.txt", {"--NExp", "2147483647"});
    CambiarFuncionEspacio(anterior);
    EXPECT_EQ(r.estado, SalidaAviso);
    EXPECT_EQ(QString::fromUtf8(r.errores),
              *AvisoEspacioTraza(2147483647, false, 10'700'000'000) + '\n');
    EXPECT_EQ(r.salida, "");
    EXPECT_FALSE(QFile::exists(carpeta.filePath("t.txt")));
}

// A trace has one writer: a run is refused while another one writes its file, which it leaves as
// it was.
TEST_F(ExperimentosCli, UnaTrazaQueOtraEjecucionEscribeSeRechaza) {
    const QString traza = carpeta.filePath("t.txt");
    Escribir(traza, "de otra\r\n");
    SalidaFichero otra;
    ASSERT_TRUE(otra.Abrir(traza));
    const Resultado r = Ejecutar("t.txt", {"--NExp", "3"});
    EXPECT_EQ(r.estado, SalidaError);
    EXPECT_EQ(QString::fromUtf8(r.errores),
              "El fichero de seguimiento «" + traza + "» lo está escribiendo otra ejecución.\n");
    EXPECT_EQ(Traza("t.txt"), "de otra\r\n");
}

TEST_F(ExperimentosCli, ProgresoSoloCuandoSePide) {
    const Resultado r = EnProceso(
        {"experimentos", "--traza", carpeta.filePath("t.txt"), "--semilla", "1", "--NExp", "4"},
        true);
    EXPECT_EQ(r.estado, SalidaHecho);
    EXPECT_TRUE(r.errores.contains("\r 50 %")) << r.errores.toStdString();
    EXPECT_TRUE(r.errores.endsWith("\r100 %\r     \r")) << r.errores.toStdString();
}
