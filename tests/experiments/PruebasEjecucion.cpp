// Whole runs: the trace file, the progress, the statistics left behind and the failures.
#include "AyudasPruebas.h"
#include "Ejecucion.h"
#include "Errores.h"
#include "FuenteGuionada.h"
#include "Numeros.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>

namespace {

const QString Cabecera = QStringLiteral("Exp\tT\tTs\tCe/Cp\tLotificacion\tCoste");

class Ejecucion : public testing::Test {
protected:
    QTemporaryDir carpeta;
    QString traza = carpeta.filePath(QStringLiteral("traza.txt"));
    DatosExperimentos datos;
    QStringList sucesos; // what the progress bar was told, in order

    QStringList Ejecutar(const QString& nExp, FuenteSorteos& sorteos,
                         TextosExperimento textos = TextosExperimento::PorDefecto()) {
        textos.NExp = nExp;
        const ProgresoEjecucion progreso{
            [this] { sucesos << QStringLiteral("mostrar"); },
            [this](int posicion) { sucesos << QString::number(posicion); },
            [this] { sucesos << QStringLiteral("ocultar"); }};
        return EjecutarExperimentos(textos, traza, sorteos, datos, progreso);
    }
};

} // namespace

TEST_F(Ejecucion, EjemploResueltoComoPrimerExperimento) {
    FuenteGuionada sorteos(SorteosEjemplo());
    const QStringList informe = Ejecutar("1", sorteos);
    const QStringList lineas = LineasFichero(traza);
    ASSERT_EQ(lineas.size(), 7);
    EXPECT_EQ(lineas[0], Cabecera);
    EXPECT_EQ(lineas[1], "1\t7\t2\t290\t0\t33");
    ASSERT_EQ(informe.size(), 8);
    EXPECT_TRUE(informe[0].startsWith("Nº de experimentos: 1 Tiempo requerido: "))
        << informe[0].toStdString();
    EXPECT_EQ(sucesos, QStringList({"mostrar", "100", "ocultar"}));
}

TEST_F(Ejecucion, TresExperimentosSonDiecinueveLineas) {
    Generador g(99);
    Ejecutar("3", g);
    const QStringList lineas = LineasFichero(traza);
    ASSERT_EQ(lineas.size(), 19);
    for (int i = 1; i < 19; ++i) {
        const QStringList campos = lineas[i].split('\t');
        ASSERT_EQ(campos.size(), 6);
        EXPECT_EQ(campos[0], QString::number((i - 1) / 6 + 1));
        EXPECT_EQ(campos[4], QString::number((i - 1) % 6));
        EXPECT_EQ(campos.mid(1, 3), lineas[(i - 1) / 6 * 6 + 1].split('\t').mid(1, 3));
        EXPECT_FALSE(lineas[i].contains('.')) << "Spanish decimal comma expected";
    }
    for (std::size_t m = 0; m < 6; ++m)
        EXPECT_EQ(lineas[13 + int(m)].split('\t')[5], FloatToStr(datos.CostesExperimento[m]));
}

TEST_F(Ejecucion, SinExperimentosNoSeConvierteNingunCampo) {
    auto textos = TextosExperimento::PorDefecto();
    textos.NPMin = "cuatro";
    datos.Estadisticas[2].NPeor = 4; // from an earlier run
    for (const char* nExp : {"0", "-3"}) {
        sucesos.clear();
        FuenteGuionada sorteos({});
        const QStringList informe = Ejecutar(nExp, sorteos, textos);
        EXPECT_EQ(LineasFichero(traza), QStringList{Cabecera});
        EXPECT_EQ(datos.Estadisticas, TEstadisticas{});
        EXPECT_EQ(sucesos, QStringList({"mostrar", "ocultar"}));
        QStringList esperado{
            QStringLiteral("Nº de experimentos: %1 Tiempo requerido: 0,00 segundos").arg(nExp),
            "Técnica        \tNº Mejor\tNº Peor\tCoste ac\tDesv. med\tMax desv."};
        for (const char* etiqueta : {"Lote a lote    ", "EOQ            ", "POQ            ",
                                     "Min coste total", "Min coste unit ", "Silver-Meal    "})
            esperado << QString(etiqueta) + "\t0\t0\t0 €\t0%\t0%";
        EXPECT_EQ(informe, esperado);
    }
}

TEST_F(Ejecucion, ProgresoSoloCuandoCambia) {
    Generador g(3);
    Ejecutar("8", g);
    EXPECT_EQ(sucesos,
              QStringList({"mostrar", "12", "25", "38", "50", "62", "75", "88", "100", "ocultar"}));
    sucesos.clear();
    Ejecutar("1000", g);
    ASSERT_EQ(sucesos.size(), 102);
    for (int i = 1; i <= 100; ++i) EXPECT_EQ(sucesos[i], QString::number(i));
}

TEST(PosicionProgreso, SinDesbordarConCualquierNumeroDeExperimentos) {
    EXPECT_EQ(PosicionProgreso(INT_MAX, INT_MAX), 100);
    EXPECT_EQ(PosicionProgreso(1, INT_MAX), 0);
    EXPECT_EQ(PosicionProgreso(INT_MAX / 2 + 1, INT_MAX), 50);
    EXPECT_EQ(PosicionProgreso(1, 200), 0);     // 0.5
    EXPECT_EQ(PosicionProgreso(3, 200), 2);     // 1.5
    EXPECT_EQ(PosicionProgreso(199, 200), 100); // 99.5
}

TEST_F(Ejecucion, OtraEjecucionEmpiezaDeCeroYReescribeLaTraza) {
    Generador primera(5), segunda(6);
    Ejecutar("20", primera);
    Ejecutar("10", segunda);
    const TEstadisticas trasDosEjecuciones = datos.Estadisticas;
    const QStringList lineas = LineasFichero(traza);
    EXPECT_EQ(lineas.size(), 61);
    for (const auto& e : trasDosEjecuciones) EXPECT_LE(e.NMejor + e.NPeor, 20);

    datos = {};
    Ejecutar("10", segunda); // seeded again: the same problems
    EXPECT_EQ(datos.Estadisticas, trasDosEjecuciones);
    EXPECT_EQ(LineasFichero(traza), lineas);
}

TEST_F(Ejecucion, TrazaQueNoSePuedeEscribir) {
    datos.Estadisticas[0].NMejor = 5;
    Generador g(1);
    try {
        traza = carpeta.path();
        Ejecutar("3", g);
        ADD_FAILURE();
    } catch (const EInOutError& e) {
        EXPECT_STREQ(e.what(), "File access denied");
    }
    EXPECT_EQ(datos.Estadisticas, TEstadisticas{});
    EXPECT_TRUE(sucesos.isEmpty());
}

TEST_F(Ejecucion, UnFalloCierraLaTrazaYDejaLoHecho) {
    FuenteGuionada sorteos(SorteosEjemplo()); // enough for one experiment only
    try {
        Ejecutar("2", sorteos);
        ADD_FAILURE();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "sin sorteos");
    }
    // The lines of the first experiment are on disk, the file closed; the bar stays shown.
    const QStringList lineas = LineasFichero(traza);
    ASSERT_EQ(lineas.size(), 7);
    EXPECT_EQ(lineas[1], "1\t7\t2\t290\t0\t33");
    EXPECT_EQ(datos.Estadisticas[0].CosteAc, 33);
    EXPECT_EQ(sucesos, QStringList({"mostrar", "50"}));

    Ejecutar("0", sorteos);
    EXPECT_EQ(LineasFichero(traza), QStringList{Cabecera});
}

// With the optimum every experiment gets a seventh trace line, code 7, never above the six; the
// report gets a heading and one line per method after its eight. Without it the run is the same
// run, trace and report, with nothing of the optimum.
TEST_F(Ejecucion, ConYSinElOptimo) {
    TextosExperimento textos = TextosExperimento::PorDefecto();
    textos.CompararOptimo = true;
    Generador con(11), sin(11);
    const QStringList informeCon = Ejecutar("40", con, textos);
    const QStringList lineasCon = LineasFichero(traza);
    const TEstadisticas estadisticasCon = datos.Estadisticas;
    ASSERT_EQ(lineasCon.size(), 1 + 7 * 40);
    QStringList sinOptimo{Cabecera};
    for (int k = 0; k < 40; ++k) {
        const QStringList optimo = lineasCon[7 * k + 7].split('\t');
        EXPECT_EQ(optimo[0], QString::number(k + 1));
        EXPECT_EQ(optimo[4], "7");
        for (int m = 0; m < 6; ++m) {
            const QString linea = lineasCon[7 * k + 1 + m];
            sinOptimo << linea;
            const double coste = StrToFloat(linea.split('\t')[5]);
            EXPECT_TRUE(StrToFloat(optimo[5]) <= coste ||
                        TotalesIguales(StrToFloat(optimo[5]), coste));
        }
    }
    ASSERT_EQ(informeCon.size(), 15);
    EXPECT_EQ(informeCon[8], "Plan óptimo    \tNº Óptimo\tDesv. med\tMax desv.");
    for (int m = 0; m < 6; ++m) {
        const QStringList campos = informeCon[9 + m].split('\t');
        ASSERT_EQ(campos.size(), 4);
        EXPECT_EQ(campos[0], informeCon[2 + m].split('\t')[0]);
        EXPECT_EQ(campos[1], QString::number(datos.EstadisticasOptimo[std::size_t(m)].NOptimo));
        EXPECT_LE(datos.EstadisticasOptimo[std::size_t(m)].NOptimo, 40);
        EXPECT_TRUE(campos[3].endsWith('%'));
    }
    // Silver-Meal reaches the optimum in some of these experiments, EOQ falls short in some.
    EXPECT_GT(datos.EstadisticasOptimo[5].NOptimo, 0);
    EXPECT_GT(datos.EstadisticasOptimo[1].MaxDesv, 0);

    const QStringList informeSin = Ejecutar("40", sin);
    EXPECT_EQ(LineasFichero(traza), sinOptimo);
    EXPECT_EQ(informeSin.mid(1), informeCon.mid(1, 7));
    EXPECT_EQ(datos.Estadisticas, estadisticasCon);
    EXPECT_EQ(datos.EstadisticasOptimo, TEstadisticasOptimo{});
}
