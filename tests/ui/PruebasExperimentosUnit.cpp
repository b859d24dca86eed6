// The experiments window driven as a user drives it: fields, trace file, runs that go on while
// the windows stay alive, stopping them, seeds, report, closing.
#include "Ejecucion.h"
#include "EspacioTraza.h"
#include "ExperimentosUnit.h"
#include "GraficosExperimentos.h"
#include "HojaIndependiente.h"
#include "Informe.h"
#include "LineaTiempo.h"
#include "MainUnit.h"
#include "PlataformaGuionada.h"
#include "Programa.h"
#include "VistaGrafico.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <sstream>

// Lines print as text when an expectation fails.
inline void PrintTo(const QStringList& lineas, std::ostream* salida) {
    *salida << '[' << lineas.join(QStringLiteral("|")).toStdString() << ']';
}
inline void PrintTo(const QList<QByteArray>& lineas, std::ostream* salida) {
    *salida << lineas.size() << " líneas: [" << lineas.join('|').left(400).toStdString() << "...]";
}

namespace {

// Waits, processing events, until the condition holds or ten seconds pass.
template <class Condicion> bool Esperar(Condicion condicion) {
    for (int i = 0; i < 1000 && !condicion(); ++i) QTest::qWait(10);
    return condicion();
}

// Clicks the run button and waits for the run to end with its report or its failure shown.
void EjecutarYEsperar(TFormExp& ventana) {
    QSignalSpy terminada(&ventana, &TFormExp::EjecucionTerminada);
    QTest::mouseClick(ventana.findChild<QToolButton*>("SBEjecutar"), Qt::LeftButton);
    if (ventana.Ejecutando()) {
        EXPECT_TRUE(terminada.wait(60000)) << "the run did not end";
    }
}

// The trace file's lines, without their CR LF ends.
QList<QByteArray> LineasTraza(const QString& ruta) {
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly)) return {};
    QList<QByteArray> lineas = fichero.readAll().split('\n');
    lineas.removeLast();
    return lineas;
}

class VentanaExperimentos : public testing::Test {
protected:
    PlataformaGuionada plataforma;
    Generador sorteos{20130611u};
    TFormExp ventana{plataforma};
    QTemporaryDir carpeta;
    const QString traza = carpeta.filePath("traza.txt");

    void SetUp() override {
        ventana.PonerFuenteSorteos(&sorteos);
        ventana.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    }

    QLineEdit* Campo(const char* nombre) { return ventana.findChild<QLineEdit*>(nombre); }
    QToolButton* Boton(const char* nombre) { return ventana.findChild<QToolButton*>(nombre); }
    QProgressBar* Barra() { return ventana.findChild<QProgressBar*>("ProgressBar1"); }
    QCheckBox* CasillaOptimo() { return ventana.findChild<QCheckBox*>("CheckBoxOptimo"); }
    QPlainTextEdit* Memo() { return ventana.findChild<QPlainTextEdit*>("Memo1"); }
    // Where the memo stands in the window: its tab, beside the chart's.
    QWidget* Resultados() { return ventana.findChild<QTabWidget*>("PestanasResultados"); }
    QStringList LineasMemo() { return Memo()->toPlainText().split('\n'); }

    void Escribir(const char* campo, const QString& texto) {
        Campo(campo)->selectAll();
        QTest::keyClicks(Campo(campo), texto);
    }
    void ElegirFichero(const std::optional<QString>& respuesta) {
        plataforma.respuestasFichero.push_back(respuesta);
        QTest::mouseClick(Boton("SBFichero"), Qt::LeftButton);
    }
    void Ejecutar() { EjecutarYEsperar(ventana); }
    // Starts a run long enough to be stopped, and waits until it is under way.
    void EmpezarEjecucionLarga() {
        Escribir("NExp", "100000000");
        QTest::mouseClick(Boton("SBEjecutar"), Qt::LeftButton);
        ASSERT_TRUE(Esperar([this] { return Barra()->isVisible(); }));
    }
};

TEST_F(VentanaExperimentos, EmpiezaConLosValoresPorDefectoYSinFichero) {
    EXPECT_EQ(ventana.windowTitle(), "Experimentos");
    EXPECT_EQ(ventana.size(), QSize(978, 502));
    EXPECT_TRUE(ventana.isWindow());
    EXPECT_FALSE(ventana.testAttribute(Qt::WA_QuitOnClose))
        << "the main window alone ends the program";
    EXPECT_EQ(ventana.findChild<QLabel*>("LabelDatos")->text(), "Datos para experimientos:");
    const struct {
        const char* campo;
        const char* etiqueta;
        const char* texto;
    } campos[] = {{"NPMin", "Nº Períodos Min:", "4"}, {"NPMax", "Nº Períodos Max:", "16"},
                  {"NBMin", "NB Min:", "10"},         {"NBMax", "NB Max:", "1000"},
                  {"EProbNB", "Prob. NB:", "0,5"},    {"TsMin", "Ts Min:", "1"},
                  {"TsMax", "Ts Max:", "3"},          {"CEMin", "Ce Min:", "3"},
                  {"CeMax", "Ce Max:", "30"},         {"CECpMin", "Ce/Cp Min:", "100"},
                  {"CeCpMax", "Ce/Cp Max:", "2000"},  {"NExp", "Nº experimentos:", "1000"},
                  {"Semilla", "Semilla:", ""}};
    for (const auto& c : campos) {
        EXPECT_EQ(Campo(c.campo)->text(), c.texto) << c.campo;
        const auto* etiqueta = ventana.findChild<QLabel*>(QStringLiteral("Label") + c.campo);
        ASSERT_NE(etiqueta, nullptr) << c.campo;
        EXPECT_EQ(etiqueta->text(), c.etiqueta);
        EXPECT_EQ(etiqueta->buddy(), Campo(c.campo));
    }
    const struct {
        const char* boton;
        const char* pista;
        bool activo;
    } botones[] = {{"SBFichero", "Fichero de seguimiento", true},
                   {"SBEjecutar", "Ejecutar experimentos", false},
                   {"SBDetener", "Detener la ejecución", false},
                   {"SBBorra", "Borrar memo", true}};
    for (const auto& b : botones) {
        EXPECT_EQ(Boton(b.boton)->toolTip(), b.pista);
        EXPECT_EQ(Boton(b.boton)->isEnabled(), b.activo) << b.boton;
        EXPECT_TRUE(Boton(b.boton)->autoRaise());
        EXPECT_FALSE(Boton(b.boton)->icon().isNull()) << b.boton;
    }
    EXPECT_EQ(Boton("SBDetener")->text(), "Detener");
    EXPECT_TRUE(ventana.findChild<QLabel*>("LabelSemillaUsada")->text().isEmpty());
    EXPECT_TRUE(Barra()->isHidden());
    EXPECT_TRUE(Memo()->toPlainText().isEmpty());
    EXPECT_TRUE(ventana.FicheroExperimentos().isEmpty());
    EXPECT_EQ(ventana.Datos().Estadisticas, TEstadisticas{});
    EXPECT_EQ(CasillaOptimo()->text(), "Comparar con el óptimo");
    EXPECT_FALSE(CasillaOptimo()->isChecked());
    EXPECT_EQ(ventana.Textos(), TextosExperimento::PorDefecto());
}

TEST_F(VentanaExperimentos, LaCasillaDelOptimoAnadeSuLineaYSuInforme) {
    ElegirFichero(traza);
    Escribir("NExp", "2");
    QTest::mouseClick(CasillaOptimo(), Qt::LeftButton);
    EXPECT_TRUE(ventana.Textos().CompararOptimo);
    Ejecutar();
    ASSERT_TRUE(plataforma.mensajes.isEmpty()) << plataforma.mensajes.join('\n').toStdString();
    const QList<QByteArray> lineas = LineasTraza(traza);
    ASSERT_EQ(lineas.size(), 15);
    EXPECT_EQ(lineas[7].split('\t')[4], "7");
    EXPECT_EQ(LineasMemo().size(), 15);
}

// The chart's tab beside the memo shows the last run that ended, with the optimum's series when it
// was compared, and keeps it until the next run, which empties it until it ends.
TEST_F(VentanaExperimentos, ElGraficoMuestraLaUltimaEjecucion) {
    const auto* pestanas = ventana.findChild<QTabWidget*>("PestanasResultados");
    ASSERT_NE(pestanas, nullptr);
    EXPECT_EQ(pestanas->tabText(0), "Informe");
    EXPECT_EQ(pestanas->widget(0), Memo());
    EXPECT_EQ(pestanas->tabText(1), "Gráfico");
    const auto* veces = ventana.findChild<VistaGrafico*>("GraficoVecesMasBarato");
    const auto* desviaciones = ventana.findChild<VistaGrafico*>("GraficoDesviaciones");
    ASSERT_TRUE(veces && desviaciones);
    EXPECT_FALSE(veces->Datos());

    ElegirFichero(traza);
    Escribir("NExp", "20");
    Ejecutar();
    ASSERT_TRUE(veces->Datos() && desviaciones->Datos());
    EXPECT_EQ(*veces->Datos(), GraficoVecesMasBarato(ventana.Datos(), false, "20"));
    EXPECT_EQ(*desviaciones->Datos(), GraficoDesviaciones(ventana.Datos(), false));

    QTest::mouseClick(CasillaOptimo(), Qt::LeftButton);
    Ejecutar();
    EXPECT_EQ(*veces->Datos(), GraficoVecesMasBarato(ventana.Datos(), true, "20"));
    QTest::mouseClick(Boton("SBBorra"), Qt::LeftButton);
    EXPECT_TRUE(veces->Datos()) << "emptying the memo leaves the chart";

    ElegirFichero(carpeta.path());
    Ejecutar();
    EXPECT_EQ(plataforma.errores, QStringList{"File access denied"});
    EXPECT_FALSE(veces->Datos());
    EXPECT_FALSE(desviaciones->Datos());
}

TEST_F(VentanaExperimentos, ElegirFicheroCambiaElTituloYActivaLaEjecucionYCancelarNoCambiaNada) {
    ElegirFichero(std::nullopt);
    EXPECT_EQ(ventana.windowTitle(), "Experimentos");
    EXPECT_FALSE(Boton("SBEjecutar")->isEnabled());
    ASSERT_EQ(plataforma.dialogosMostrados.size(), 1u);
    const DialogoFichero& dialogo = plataforma.dialogosMostrados.front();
    EXPECT_EQ(dialogo.tipo, DialogoFichero::Tipo::Abrir);
    EXPECT_EQ(dialogo.filtro, "Ficheros de experimentos (*.txt)");
    EXPECT_EQ(dialogo.extensionDefecto, "txt");
    EXPECT_TRUE(dialogo.admiteInexistente);

    ElegirFichero(traza);
    EXPECT_EQ(ventana.windowTitle(), "Experimentos " + traza);
    EXPECT_EQ(ventana.FicheroExperimentos(), traza);
    EXPECT_TRUE(Boton("SBEjecutar")->isEnabled());

    ElegirFichero(std::nullopt);
    EXPECT_EQ(ventana.windowTitle(), "Experimentos " + traza);
    EXPECT_EQ(ventana.FicheroExperimentos(), traza);
    EXPECT_TRUE(Boton("SBEjecutar")->isEnabled());
    EXPECT_EQ(plataforma.dialogosMostrados.back().nombre, traza) << "the dialog remembers it";
    EXPECT_TRUE(plataforma.mensajes.isEmpty());
}

// Each column of the report starts at the same place on every line, whatever the width of the
// amounts; the lines keep their characters.
TEST_F(VentanaExperimentos, LasColumnasDelInformeSeAlineanConUnCosteGrande) {
    TEstadisticas estadisticas{};
    estadisticas[1].CosteAc = 66642720;
    estadisticas[4].CosteAc = 3;
    const QStringList lineas = LineasInforme("1000", 2.5, estadisticas);
    Memo()->appendPlainText(lineas.join('\n'));
    Memo()->appendPlainText(LineasInforme("5", 0.01, TEstadisticas{}).join('\n'));
    ASSERT_EQ(LineasMemo().mid(0, 8), lineas);

    // Where every tab-separated field of a line starts, in pixels.
    const auto inicios = [&](int linea) {
        const QTextBlock bloque = Memo()->document()->findBlockByNumber(linea);
        const QTextLine renglon = bloque.layout()->lineAt(0);
        QList<int> posiciones;
        for (qsizetype i = 0; i < bloque.text().size(); ++i)
            if (bloque.text()[i] == u'\t') posiciones << qRound(renglon.cursorToX(int(i) + 1));
        return posiciones;
    };
    const QList<int> columnas = inicios(1);
    ASSERT_EQ(columnas.size(), 5);
    for (int linea = 2; linea < 16; ++linea) {
        if (linea == 8) continue; // the first line of a report has no columns
        EXPECT_EQ(inicios(linea), columnas) << LineasMemo()[linea].toStdString();
    }
    // The widest amount ends before the next column begins.
    const QFontMetricsF medida(Memo()->font());
    EXPECT_LT(columnas[2] + medida.horizontalAdvance(lineas[3].split('\t')[3]), columnas[3]);
}

TEST_F(VentanaExperimentos, UnaEjecucionEscribeLaTrazaYAnadeElInformeAlMemo) {
    QTest::keyClicks(Memo(), "notas previas");
    ElegirFichero(traza);
    Escribir("NExp", "3");
    Ejecutar();
    ASSERT_TRUE(plataforma.mensajes.isEmpty()) << plataforma.mensajes.join('\n').toStdString();

    const QList<QByteArray> lineas = LineasTraza(traza);
    ASSERT_EQ(lineas.size(), 19);
    for (int i = 1; i < lineas.size(); ++i) {
        const QList<QByteArray> campos = lineas[i].split('\t');
        ASSERT_EQ(campos.size(), 6) << i;
        EXPECT_EQ(campos[0].toInt(), (i - 1) / 6 + 1) << i;
        EXPECT_EQ(campos[4].toInt(), (i - 1) % 6) << i;
    }

    QStringList memo = LineasMemo();
    ASSERT_EQ(memo.size(), 9);
    EXPECT_EQ(memo[0], "notas previas");
    EXPECT_TRUE(EsLineaDeTiempo(memo[1], "3")) << memo[1].toStdString();
    EXPECT_TRUE(memo[3].startsWith("Lote a lote    \t"));
    EXPECT_TRUE(Barra()->isHidden());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    int mejores = 0;
    for (const TEstadisticaMetodo& e : ventana.Datos().Estadisticas) mejores += e.NMejor;
    EXPECT_GE(mejores, 3);

    // A second run starts from zeroed statistics and keeps the earlier report above its own.
    Escribir("NExp", "1");
    Ejecutar();
    EXPECT_EQ(LineasTraza(traza).size(), 7);
    memo = LineasMemo();
    ASSERT_EQ(memo.size(), 17);
    EXPECT_TRUE(memo[9].startsWith("Nº de experimentos: 1 "));
    for (const TEstadisticaMetodo& e : ventana.Datos().Estadisticas) EXPECT_LE(e.NMejor, 1);
}

TEST_F(VentanaExperimentos, SinExperimentosNingunCampoSeConvierteYElInformeSaleACero) {
    ElegirFichero(traza);
    Escribir("NExp", "0");
    Escribir("NPMin", "cuatro");
    Ejecutar();
    EXPECT_TRUE(plataforma.mensajes.isEmpty()) << plataforma.mensajes.join('\n').toStdString();
    EXPECT_EQ(LineasTraza(traza).size(), 1);
    const QStringList memo = LineasMemo();
    ASSERT_EQ(memo.size(), 8);
    EXPECT_TRUE(EsLineaDeTiempo(memo[0], "0")) << memo[0].toStdString();
    for (int m = 0; m < 6; ++m) {
        const QStringList campos = memo[2 + m].split('\t');
        ASSERT_EQ(campos.size(), 6) << m;
        EXPECT_EQ(campos.mid(1, 2), QStringList({"0", "0"})) << m;
        EXPECT_EQ(campos.mid(4), QStringList({"0%", "0%"})) << m;
    }
}

// The run goes on off the interface thread: its progress arrives through the event loop, and
// until it ends the fields and the buttons that would change it are disabled.
TEST_F(VentanaExperimentos, LaBarraAvanzaYLosCamposEsperanMientrasDuraLaEjecucion) {
    ElegirFichero(traza);
    Escribir("NExp", "8");
    QList<int> posiciones;
    bool visibleYColocada = true;
    bool desactivados = true;
    QObject::connect(Barra(), &QProgressBar::valueChanged, [&](int posicion) {
        posiciones << posicion;
        visibleYColocada = visibleYColocada && Barra()->isVisible() &&
                           Resultados()->geometry().bottom() < Barra()->y();
        for (const char* campo : {"NPMin", "NExp", "Semilla"})
            desactivados = desactivados && !Campo(campo)->isEnabled();
        desactivados = desactivados && !CasillaOptimo()->isEnabled() &&
                       !Boton("SBFichero")->isEnabled() && !Boton("SBEjecutar")->isEnabled() &&
                       Boton("SBDetener")->isEnabled();
    });
    Ejecutar();
    EXPECT_EQ(posiciones, QList<int>({12, 25, 38, 50, 62, 75, 88, 100}));
    EXPECT_TRUE(visibleYColocada);
    EXPECT_TRUE(desactivados);
    EXPECT_TRUE(Barra()->isHidden());
    QCoreApplication::processEvents();
    EXPECT_EQ(Resultados()->geometry().bottom(), ventana.height() - 1)
        << "the memo has the room back";
    for (const char* campo : {"NPMin", "NExp", "Semilla"}) EXPECT_TRUE(Campo(campo)->isEnabled());
    EXPECT_TRUE(CasillaOptimo()->isEnabled());
    EXPECT_TRUE(Boton("SBEjecutar")->isEnabled());
    EXPECT_FALSE(Boton("SBDetener")->isEnabled());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the window is not busy";

    posiciones.clear();
    Ejecutar();
    EXPECT_EQ(posiciones.first(), 0) << "a new run shows the bar at 0";
}

// Stopped part-way: the trace holds the experiments done, whole, and the report is the one a run
// of just those experiments from the same seed gives, with the stop line after it.
TEST_F(VentanaExperimentos, DetenerAcabaTrasElExperimentoEnCursoConElInformeDeLosHechos) {
    ventana.PonerFuenteSorteos(nullptr);
    ElegirFichero(traza);
    Escribir("Semilla", "424242");
    QSignalSpy terminada(&ventana, &TFormExp::EjecucionTerminada);
    EmpezarEjecucionLarga();
    // The interface answers while the run goes on: a timer of the event loop stops it.
    QTimer::singleShot(20, &ventana,
                       [this] { QTest::mouseClick(Boton("SBDetener"), Qt::LeftButton); });
    ASSERT_TRUE(terminada.wait(60000));
    EXPECT_TRUE(plataforma.mensajes.isEmpty()) << plataforma.mensajes.join('\n').toStdString();

    const QStringList memo = LineasMemo();
    ASSERT_EQ(memo.size(), 9);
    const qint64 hechos = ventana.Datos().Hechos;
    ASSERT_GE(hechos, 1);
    EXPECT_TRUE(ventana.Datos().Detenida);
    EXPECT_TRUE(EsLineaDeTiempo(memo[0], QString::number(hechos))) << memo[0].toStdString();
    EXPECT_EQ(memo[8], "Ejecución detenida por el usuario.");
    const QList<QByteArray> lineas = LineasTraza(traza);
    ASSERT_EQ(lineas.size(), 1 + 6 * hechos);
    EXPECT_TRUE(lineas.back().startsWith(QByteArray::number(hechos) + '\t'));
    EXPECT_TRUE(Boton("SBEjecutar")->isEnabled());
    EXPECT_FALSE(Boton("SBDetener")->isEnabled());

    const QString soloEsos = carpeta.filePath("solo-esos.txt");
    auto textos = TextosExperimento::PorDefecto();
    textos.NExp = QString::number(hechos);
    Generador mismaSemilla(424242u);
    DatosExperimentos datos;
    const QStringList informe = EjecutarExperimentos(textos, soloEsos, mismaSemilla, datos, {});
    EXPECT_EQ(memo.mid(1, 7), informe.mid(1));
    EXPECT_EQ(LineasTraza(soloEsos), lineas);
}

// A failure on the run's thread is shown by the one error report, on the interface thread.
TEST_F(VentanaExperimentos, UnFalloDelHiloDeLaEjecucionSeInformaEnElHiloDeLaInterfaz) {
    struct PlataformaConHilo : PlataformaGuionada {
        QThread* hilo = nullptr;
        void InformeError(QWidget* padre, const QString& mensaje) override {
            hilo = QThread::currentThread();
            PlataformaGuionada::InformeError(padre, mensaje);
        }
    } conHilo;
    TFormExp otra(conHilo);
    conHilo.respuestasFichero = {traza};
    QTest::mouseClick(otra.findChild<QToolButton*>("SBFichero"), Qt::LeftButton);
    otra.findChild<QLineEdit*>("CEMin")->setText("1e300");
    otra.findChild<QLineEdit*>("CeMax")->setText("1e305");
    otra.findChild<QLineEdit*>("CECpMin")->setText("1e-300");
    otra.findChild<QLineEdit*>("CeCpMax")->setText("1e-299");
    EjecutarYEsperar(otra);
    EXPECT_EQ(conHilo.errores, QStringList{"Floating point overflow"});
    EXPECT_EQ(conHilo.hilo, qApp->thread());
    EXPECT_FALSE(otra.Ejecutando());
}

// «Semilla:» repeats a run exactly: the same trace and report as quelmar-cli's --semilla;
// empty, the clock seeds the run, and whichever seed was used is shown so the run can be repeated.
TEST_F(VentanaExperimentos, UnaSemillaDaLaTrazaYElInformeDeLaLineaDeOrdenes) {
    ventana.PonerFuenteSorteos(nullptr);
    QLabel* usada = ventana.findChild<QLabel*>("LabelSemillaUsada");
    ElegirFichero(traza);
    Escribir("NExp", "300");
    Escribir("EProbNB", "0,7");
    Escribir("Semilla", " 4294967295 ");
    Ejecutar();
    EXPECT_EQ(usada->text(), "usada: 4294967295");

    const QString deLaOrden = carpeta.filePath("orden.txt");
    std::ostringstream salida, errores;
    ASSERT_EQ(EjecutarPrograma({"experimentos", "--traza", deLaOrden, "--semilla", "4294967295",
                                "--NExp", "300", "--EProbNB", "0,7"},
                               Consola{salida, errores, false}),
              0)
        << errores.str();
    EXPECT_EQ(LineasTraza(traza), LineasTraza(deLaOrden));
    const QStringList informe = QString::fromStdString(salida.str()).split('\n');
    EXPECT_EQ(LineasMemo().mid(1), informe.mid(1, 7));

    Escribir("Semilla", "");
    Ejecutar();
    ASSERT_TRUE(usada->text().startsWith("usada: "));
    const QList<QByteArray> delReloj = LineasTraza(traza);
    Escribir("Semilla", usada->text().mid(7));
    Ejecutar();
    EXPECT_EQ(LineasTraza(traza), delReloj);
    EXPECT_TRUE(plataforma.mensajes.isEmpty()) << plataforma.mensajes.join('\n').toStdString();
}

TEST_F(VentanaExperimentos, UnaSemillaQueNoEsUnEnteroDeTreintaYDosBitsSoloDaUnAviso) {
    ElegirFichero(traza);
    for (const char* texto : {"4294967296", "-1", "12a", "1,5"}) {
        plataforma.avisos.clear();
        Escribir("Semilla", texto);
        Ejecutar();
        EXPECT_EQ(plataforma.avisos,
                  QStringList{"Especifique en «Semilla:» un número entero de 0 a 4294967295, o "
                              "deje el campo vacío para que la semilla la dé el reloj."})
            << texto;
        EXPECT_FALSE(QFile::exists(traza)) << texto;
    }
}

// The free space of the trace's disk comes through the seam. 1000 experiments are estimated at
// 300.050 bytes with six lines each, at 350.050 with the optimum's seventh.
TEST_F(VentanaExperimentos, UnaTrazaQueNoCabeEnElDiscoSoloDaUnAviso) {
    struct Espacio {
        FuncionEspacio anterior = CambiarFuncionEspacio(
            [](const QString&) -> std::optional<std::uint64_t> { return 320'000; });
        ~Espacio() { CambiarFuncionEspacio(anterior); }
    } espacio;
    ElegirFichero(traza);
    Ejecutar();
    EXPECT_TRUE(plataforma.avisos.isEmpty()) << plataforma.avisos.join('\n').toStdString();
    EXPECT_EQ(LineasTraza(traza).size(), 1 + 6 * 1000);

    ASSERT_TRUE(QFile::remove(traza));
    QTest::mouseClick(CasillaOptimo(), Qt::LeftButton);
    Ejecutar();
    EXPECT_EQ(
        plataforma.avisos,
        QStringList{"Una ejecución de 1000 experimentos escribiría una traza de unos 350,1 kB, "
                    "y en el disco del fichero de seguimiento solo quedan 320,0 kB libres."});
    EXPECT_FALSE(QFile::exists(traza));
    EXPECT_FALSE(ventana.Ejecutando());
    EXPECT_TRUE(Boton("SBEjecutar")->isEnabled());
}

// Closing the window during a run stops it first; the report of the experiments done is in the
// memo when the window shows again.
TEST_F(VentanaExperimentos, CerrarLaVentanaDetieneLaEjecucionAntes) {
    ElegirFichero(traza);
    QSignalSpy terminada(&ventana, &TFormExp::EjecucionTerminada);
    EmpezarEjecucionLarga();
    EXPECT_TRUE(ventana.close());
    EXPECT_FALSE(ventana.isVisible());
    const QList<QByteArray> lineas = LineasTraza(traza);
    ASSERT_GE(lineas.size(), 7) << "stopped and closed: every line done is on disk";
    EXPECT_EQ((lineas.size() - 1) % 6, 0);
    ASSERT_TRUE(terminada.wait(10000));
    EXPECT_EQ(LineasMemo().back(), "Ejecución detenida por el usuario.");
}

// Closing the main window during a run stops the run, its trace closed whole, and then ends the
// program.
TEST_F(VentanaExperimentos, CerrarLaVentanaPrincipalDetieneLaEjecucionYTerminaElPrograma) {
    TFormMain principal(plataforma);
    QDialog acercaDe;
    principal.PonerVentanas(ventana, acercaDe);
    // The window is the fixture's: the main window, gone first, must not take it along.
    struct Soltar {
        QWidget& hija;
        ~Soltar() { hija.setParent(nullptr); }
    } soltar{ventana};
    principal.show();
    ventana.show(); // owned now, and hidden by the change of owner until shown again
    ElegirFichero(traza);
    EmpezarEjecucionLarga();
    QTimer::singleShot(0, &principal, [&principal] { principal.close(); });
    QTimer guarda;
    guarda.setSingleShot(true);
    QObject::connect(&guarda, &QTimer::timeout, [] { QApplication::exit(1); });
    guarda.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    const QList<QByteArray> lineas = LineasTraza(traza);
    ASSERT_GE(lineas.size(), 7);
    EXPECT_EQ((lineas.size() - 1) % 6, 0);
    EXPECT_TRUE(lineas.back().startsWith(QByteArray::number((lineas.size() - 1) / 6) + '\t'));
}

TEST_F(VentanaExperimentos, UnosParametrosRechazadosSoloDanUnAviso) {
    ElegirFichero(traza);
    Escribir("NPMax", "100");
    Ejecutar();
    EXPECT_EQ(plataforma.avisos.size(), 1);
    EXPECT_TRUE(plataforma.errores.isEmpty());
    EXPECT_FALSE(QFile::exists(traza));
    EXPECT_TRUE(Memo()->toPlainText().isEmpty());
    EXPECT_TRUE(Barra()->isHidden());
}

TEST_F(VentanaExperimentos, UnFalloSeInformaNoDejaInformeYLaSiguienteEjecucionFunciona) {
    const struct {
        const char* caso;
        QString fichero;
        QString npMin;
        QString mensaje;
        bool barraVisible; // the bar shows only once the trace file is open
    } casos[] = {
        {"traza en una carpeta", carpeta.path(), "4", "File access denied", false},
        {"campo que no convierte", traza, "x", "''x'' is not a valid integer value", true},
    };
    for (const auto& c : casos) {
        PlataformaGuionada plataformaCaso;
        TFormExp ventanaCaso(plataformaCaso);
        ventanaCaso.PonerFuenteSorteos(&sorteos);
        plataformaCaso.respuestasFichero = {c.fichero, traza};
        auto* const memo = ventanaCaso.findChild<QPlainTextEdit*>("Memo1");
        auto* const barra = ventanaCaso.findChild<QProgressBar*>("ProgressBar1");
        auto* const fichero = ventanaCaso.findChild<QToolButton*>("SBFichero");
        ventanaCaso.findChild<QLineEdit*>("NExp")->setText("3");
        ventanaCaso.findChild<QLineEdit*>("NPMin")->setText(c.npMin);
        QTest::mouseClick(fichero, Qt::LeftButton);
        EjecutarYEsperar(ventanaCaso);
        EXPECT_EQ(plataformaCaso.errores, QStringList{c.mensaje}) << c.caso;
        EXPECT_TRUE(memo->toPlainText().isEmpty()) << c.caso;
        EXPECT_EQ(!barra->isHidden(), c.barraVisible) << c.caso;
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << c.caso;

        ventanaCaso.findChild<QLineEdit*>("NPMin")->setText("4");
        QTest::mouseClick(fichero, Qt::LeftButton);
        EjecutarYEsperar(ventanaCaso);
        EXPECT_EQ(plataformaCaso.errores.size(), 1) << c.caso;
        EXPECT_EQ(LineasTraza(traza).size(), 19) << c.caso;
        EXPECT_EQ(memo->toPlainText().split('\n').size(), 8) << c.caso;
        EXPECT_TRUE(barra->isHidden()) << c.caso;
    }
}

TEST_F(VentanaExperimentos, CerrarSoloOcultaYBorrarVaciaElMemo) {
    ElegirFichero(traza);
    Escribir("NExp", "2");
    Escribir("EProbNB", "0,75");
    Ejecutar();
    const TEstadisticas estadisticas = ventana.Datos().Estadisticas;
    const QString informe = Memo()->toPlainText();
    ASSERT_FALSE(informe.isEmpty());

    EXPECT_TRUE(ventana.close());
    EXPECT_FALSE(ventana.isVisible());
    ventana.show();
    EXPECT_EQ(Memo()->toPlainText(), informe);
    EXPECT_EQ(Campo("EProbNB")->text(), "0,75");
    EXPECT_EQ(ventana.FicheroExperimentos(), traza);
    EXPECT_EQ(ventana.windowTitle(), "Experimentos " + traza);
    EXPECT_TRUE(Boton("SBEjecutar")->isEnabled());
    EXPECT_EQ(ventana.Datos().Estadisticas, estadisticas);

    QTest::mouseClick(Boton("SBBorra"), Qt::LeftButton);
    EXPECT_TRUE(Memo()->toPlainText().isEmpty());
    EXPECT_EQ(Campo("EProbNB")->text(), "0,75");
}

// The picture of the window after a run; QUELMAR_CAPTURA names the file to keep it in.
TEST_F(VentanaExperimentos, CapturaTrasUnaEjecucion) {
    ElegirFichero(traza);
    Escribir("NExp", "200");
    Ejecutar();
    QCoreApplication::processEvents(); // the layout gives the bar's room back to the memo
    const QPixmap captura = ventana.grab();
    EXPECT_EQ(captura.deviceIndependentSize().toSize(), QSize(978, 502));
    if (const QString destino = qEnvironmentVariable("QUELMAR_CAPTURA"); !destino.isEmpty()) {
        EXPECT_TRUE(captura.save(destino));
    }
}

} // namespace

// The export waits for a run's report; then it writes the statistics, the fields and the run's
// making, the draws here given by the test rather than by a seed.
TEST_F(VentanaExperimentos, ExportarEstadisticasTrasUnaEjecucion) {
    EXPECT_FALSE(Boton("SBExportar")->isEnabled());
    EXPECT_EQ(Boton("SBExportar")->toolTip(), "Exportar estadísticas...");
    ElegirFichero(traza);
    Escribir("NExp", "20");
    Ejecutar();
    ASSERT_TRUE(Boton("SBExportar")->isEnabled());
    const QString ruta = carpeta.filePath("estadisticas.xlsx");
    plataforma.respuestasFichero.push_back(ruta);
    QTest::mouseClick(Boton("SBExportar"), Qt::LeftButton);
    ASSERT_TRUE(plataforma.mensajes.isEmpty()) << plataforma.mensajes.join('\n').toStdString();
    EXPECT_EQ(plataforma.dialogosMostrados.back().extensionDefecto, "xlsx");
    const std::vector<HojaExterna> hojas = LeerConOpenpyxl(ruta);
    ASSERT_EQ(hojas.size(), 2u);
    EXPECT_EQ(hojas[0].Numero("B2"), ventana.Datos().Estadisticas[0].NMejor);
    EXPECT_EQ(hojas[1].Numero("B13"), 20);
    EXPECT_FALSE(hojas[1].celdas.count("B15")) << "no seed gave the draws";
}
