// Whole runs: the trace file, the progress, the statistics left behind and the failures.
#include "AyudasPruebas.h"
#include "Ejecucion.h"
#include "Errores.h"
#include "FuenteGuionada.h"
#include "LineaTiempo.h"
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
    EXPECT_TRUE(EsLineaDeTiempo(informe[0], "1")) << informe[0].toStdString();
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
        ASSERT_FALSE(informe.isEmpty());
        EXPECT_TRUE(EsLineaDeTiempo(informe.front(), nExp)) << informe.front().toStdString();
        QStringList esperado{informe.front(),
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

namespace {

// What a run leaves on disk and in memory, to compare runs made in different ways.
struct Huella {
    QStringList informe; // without the time of the first line
    QStringList traza;
    TEstadisticas estadisticas{};
    TEstadisticasOptimo estadisticasOptimo{};
    std::string fallo;
    std::int64_t hechos = 0;
};

Huella Huellas(const TextosExperimento& textos, std::uint32_t semilla, bool segundoHilo,
               const QString& ruta, const std::stop_source* parada = nullptr,
               int pararEnPosicion = -1) {
    Huella h;
    Generador g(semilla);
    DatosExperimentos datos;
    OpcionesEjecucion opciones;
    opciones.SegundoHilo = segundoHilo;
    if (parada) opciones.Parada = parada->get_token();
    ProgresoEjecucion progreso;
    progreso.Posicion = [&](int posicion) {
        if (posicion == pararEnPosicion) parada->request_stop();
    };
    try {
        h.informe = EjecutarExperimentos(textos, ruta, g, datos, progreso, opciones);
        h.informe.removeFirst();
    } catch (const std::exception& e) {
        h.fallo = e.what();
    }
    h.traza = LineasFichero(ruta);
    h.estadisticas = datos.Estadisticas;
    h.estadisticasOptimo = datos.EstadisticasOptimo;
    h.hechos = datos.Hechos;
    return h;
}

} // namespace

// The methods solved ahead on a second thread change nothing anyone can see: trace, report,
// statistics, and where and how a failing run ends.
TEST_F(Ejecucion, UnSegundoHiloNoCambiaNadaNiEnLosFallos) {
    const struct {
        const char* caso;
        std::vector<std::pair<QString TextosExperimento::*, QString>> campos;
        std::string fallo;
    } casos[] = {
        {"por defecto", {{&TextosExperimento::NExp, "3000"}}, ""},
        {"amplios",
         {{&TextosExperimento::NExp, "2000"},
          {&TextosExperimento::NPMin, "1"},
          {&TextosExperimento::NPMax, "99"},
          {&TextosExperimento::TsMin, "0"},
          {&TextosExperimento::TsMax, "20"},
          {&TextosExperimento::CeCpMax, "100000"}},
         ""},
        {"POQ sin demanda",
         {{&TextosExperimento::NExp, "100000"},
          {&TextosExperimento::NBMin, "0"},
          {&TextosExperimento::NBMax, "100"},
          {&TextosExperimento::EProbNB, "0,02"}},
         "Invalid floating point operation"},
        {"desbordamiento",
         {{&TextosExperimento::NExp, "100000"},
          {&TextosExperimento::NBMin, "1"},
          {&TextosExperimento::NBMax, "2e305"},
          {&TextosExperimento::EProbNB, "0,05"}},
         "Floating point overflow"},
        {"coste de posesión cero",
         {{&TextosExperimento::NExp, "100000"},
          {&TextosExperimento::CEMin, "1e-310"},
          {&TextosExperimento::CeMax, "1e-310"},
          {&TextosExperimento::CECpMin, "1"},
          {&TextosExperimento::CeCpMax, "4,1e13"}},
         "Floating point division by zero"},
        {"campo que no convierte",
         {{&TextosExperimento::TsMax, "tres"}},
         "''tres'' is not a valid integer value"},
    };
    for (const auto& c : casos) {
        for (const bool optimo : {false, true}) {
            auto textos = TextosExperimento::PorDefecto();
            for (const auto& [campo, texto] : c.campos) textos.*campo = texto;
            textos.CompararOptimo = optimo;
            const std::string caso = c.caso + std::string(optimo ? ", con el óptimo" : "");
            const Huella uno = Huellas(textos, 7, false, carpeta.filePath("uno.txt"));
            const Huella dos = Huellas(textos, 7, true, carpeta.filePath("dos.txt"));
            EXPECT_EQ(uno.fallo, c.fallo) << caso;
            EXPECT_EQ(dos.fallo, uno.fallo) << caso;
            EXPECT_EQ(dos.informe, uno.informe) << caso;
            EXPECT_EQ(dos.traza, uno.traza) << caso;
            EXPECT_EQ(dos.estadisticas, uno.estadisticas) << caso;
            EXPECT_EQ(dos.estadisticasOptimo, uno.estadisticasOptimo) << caso;
            if (!c.fallo.empty() && c.campos.size() > 1) {
                EXPECT_GT(uno.hechos, 1) << caso << ": fails part-way";
            }
        }
    }
}

// A stop ends the run after the experiment in progress: the trace holds those done, whole, and
// the report is made over them, with the stop line after it.
TEST_F(Ejecucion, UnaParadaAcabaTrasElExperimentoEnCurso) {
    auto textos = TextosExperimento::PorDefecto();
    textos.NExp = "8";
    for (const bool segundoHilo : {false, true}) {
        std::stop_source parada;
        const Huella detenida =
            Huellas(textos, 11, segundoHilo, carpeta.filePath("detenida.txt"), &parada, 38);
        EXPECT_EQ(detenida.hechos, 3);
        ASSERT_EQ(detenida.traza.size(), 19);
        EXPECT_TRUE(detenida.traza.back().startsWith("3\t"));
        ASSERT_EQ(detenida.informe.size(), 8);
        EXPECT_EQ(detenida.informe.back(), "Ejecución detenida por el usuario.");

        // The same as a run of just those three experiments.
        textos.NExp = "3";
        const Huella tres = Huellas(textos, 11, segundoHilo, carpeta.filePath("tres.txt"));
        textos.NExp = "8";
        EXPECT_EQ(detenida.traza, tres.traza);
        EXPECT_EQ(detenida.informe.mid(0, 7), tres.informe);
        EXPECT_EQ(detenida.estadisticas, tres.estadisticas);

        // A stop asked for during the last experiment comes too late: the run is whole.
        std::stop_source tarde;
        const Huella entera =
            Huellas(textos, 11, segundoHilo, carpeta.filePath("entera.txt"), &tarde, 100);
        EXPECT_EQ(entera.traza.size(), 49);
        EXPECT_EQ(entera.informe.size(), 7);
    }

    // Compared with the optimum, its lines come before the stop line, over the same experiments.
    textos.CompararOptimo = true;
    std::stop_source parada;
    const Huella detenida = Huellas(textos, 11, true, carpeta.filePath("optimo.txt"), &parada, 38);
    EXPECT_EQ(detenida.traza.size(), 1 + 7 * 3);
    ASSERT_EQ(detenida.informe.size(), 7 + 7 + 1);
    EXPECT_TRUE(detenida.informe[7].startsWith("Plan óptimo"));
    EXPECT_EQ(detenida.informe.back(), "Ejecución detenida por el usuario.");
}

// The first line of a stopped run names the experiments done, not the field's text.
TEST_F(Ejecucion, ElInformeDeUnaEjecucionDetenidaNombraLosExperimentosHechos) {
    auto textos = TextosExperimento::PorDefecto();
    textos.NExp = " +8";
    std::stop_source parada;
    parada.request_stop(); // before the first experiment: that one is still made
    Generador g(3);
    OpcionesEjecucion opciones;
    opciones.Parada = parada.get_token();
    const QStringList informe = EjecutarExperimentos(textos, traza, g, datos, {}, opciones);
    EXPECT_TRUE(EsLineaDeTiempo(informe.front(), "1")) << informe.front().toStdString();
    EXPECT_EQ(LineasFichero(traza).size(), 7);
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
