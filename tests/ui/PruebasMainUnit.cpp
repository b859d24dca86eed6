// The main window driven through its widgets: the start state, the commands' wiring, the grid's
// reactions to N, the cost rows and Enter, and the two calculations.
#include "AyudasMainUnit.h"
#include "CalculoProblema.h"
#include "EjemploRejilla.h"

#include <QDialog>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

namespace {

const QStringList Etiquetas = {"NB", "D", "RP", "NN", "RPPL", "PPL", "Ce", "Cp", "CTotal"};

TEST_F(PruebaMain, EmpiezaConUnProblemaNuevo) {
    EXPECT_EQ(ventana.windowTitle(), "Quelmar");
    EXPECT_EQ(ventana.size(), QSize(901, 573));
    EXPECT_EQ(SG().Columnas(), 10);
    EXPECT_EQ(SG().Filas(), 10);
    for (int fila = 1; fila <= 9; ++fila) {
        EXPECT_EQ(SG().Celda(0, fila), Etiquetas[fila - 1]);
        EXPECT_EQ(Fila(fila, 9), QStringList(9)) << "fila " << fila;
    }
    EXPECT_EQ(Fila(0, 9), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", ""}));
    EXPECT_EQ(SG().Celda(0, 0), "");

    const std::pair<const char*, const char*> defectos[] = {
        {"EditNPeriodos", "8"}, {"EditTS", "1"}, {"Editss", "0"}, {"EditCE", "0"}, {"EditCP", "0"}};
    for (const auto& [campo, texto] : defectos) EXPECT_EQ(Campo(campo)->text(), texto) << campo;
    EXPECT_TRUE(Casilla("CheckBoxCostes")->isChecked());
    EXPECT_TRUE(Casilla("CheckBoxRedondear")->isChecked());
    EXPECT_EQ(MetodoMarcado(), 0);

    EXPECT_FALSE(Accion("GuardarSolucion")->isEnabled());
    EXPECT_FALSE(Accion("GuardarSolucionComo")->isEnabled());
    EXPECT_TRUE(Hijo<QToolButton>("ToolButtonGuardarSolucion")->isEnabled());
    EXPECT_TRUE(ventana.FicheroProblema().isEmpty());
    EXPECT_TRUE(ventana.FicheroSolucion().isEmpty());
    EXPECT_TRUE(plataforma.mensajes.isEmpty());
}

// Each menu's entries in order, "-" for a separator, "*" after an entry with an image.
QStringList EntradasMenu(QMenu* menu) {
    QStringList entradas;
    for (QAction* accion : menu->actions()) {
        if (accion->isSeparator())
            entradas << "-";
        else
            entradas << accion->objectName() + ":" + accion->text() +
                            (accion->icon().isNull() ? "" : "*");
    }
    return entradas;
}

TEST_F(PruebaMain, LosMenusTienenSusEntradasEnOrden) {
    QStringList menus;
    for (QAction* menu : Hijo<QMenuBar>("MainMenu1")->actions()) menus << menu->text();
    EXPECT_EQ(menus, QStringList({"&Archivo", "E&ditar", "&Calcular", "A&nálisis", "&Experimentos",
                                  "Ayuda", "&Proyecto", "E&jercicio"}));

    EXPECT_EQ(
        EntradasMenu(Hijo<QMenu>("Archivo1")),
        QStringList({"Nuevo1:&Nuevo*", "Abrir1:&Abrir*", "GuardarProblema:&Guardar problema*",
                     "GuardarProblemaComo:Guardar problema &como...",
                     "GuardarSolucion:Guardar &solución*",
                     "GuardarSolucionComo:Guardar solucion c&omo...", "-",
                     "Configurarimpresora1:Con&figurar impresora", "Imprimir1:&Imprimir*", "-",
                     "Salir1:&Salir*", "-", "VistaPreviaInforme1:Vista pre&via del informe...",
                     "ExportarInformePdf1:Exportar informe a P&DF...", "-",
                     "ExportarHoja1:Exportar a &hoja de cálculo...",
                     "ImportarNecesidades1:Im&portar necesidades..."}));
    // The grid's keys beside the items, which have no shortcut of their own.
    EXPECT_EQ(
        EntradasMenu(Hijo<QMenu>("Editar1")),
        QStringList({"Copiar1:&Copiar\tCtrl+C", "Pegar1:&Pegar\tCtrl+V", "Borrar1:&Borrar\tSupr"}));
    EXPECT_EQ(EntradasMenu(Hijo<QMenu>("Calcular1")),
              QStringList({"CalculoManual1:Cálculo &manual*",
                           "LotificacinSeleccionada1:Lotificación &seleccionada*",
                           "PlanOptimo1:Plan ó&ptimo (Wagner-Whitin)"}));
    EXPECT_EQ(EntradasMenu(Hijo<QMenu>("Analisis1")),
              QStringList({"CompararMetodos1:&Comparar métodos", "GraficoPlan1:&Gráfico del plan",
                           "ExplicacionCalculo1:&Explicación del cálculo", "-",
                           "RestablecerDisposicion1:&Restablecer disposición"}));
    EXPECT_EQ(EntradasMenu(Hijo<QMenu>("Experimentos1")),
              QStringList({"Modulodeexperimentos1:Módulo de experimentos ..."}));
    EXPECT_EQ(EntradasMenu(Hijo<QMenu>("Ayuda1")), QStringList({"Acercade1:Acerca de...*"}));
    EXPECT_EQ(EntradasMenu(Hijo<QMenu>("Proyecto1")),
              QStringList({"NuevoProyecto1:&Nuevo proyecto", "AbrirProyecto1:&Abrir proyecto...",
                           "AbrirEjemplo1:Abrir &ejemplo", "GuardarProyecto1:&Guardar proyecto",
                           "GuardarProyectoComo1:Guardar proyecto &como...",
                           "ProyectoDesdeProblema1:Proyecto desde el &problema actual"}));
    EXPECT_EQ(EntradasMenu(Hijo<QMenu>("Ejercicio1")),
              QStringList({"ComprobarSolucion1:&Comprobar mi solución",
                           "MostrarSolucion1:&Mostrar la solución de las celdas erróneas",
                           "Tolerancia1:&Tolerancia...", "-",
                           "GenerarHojaEjercicios1:&Generar hoja de ejercicios..."}));
    EXPECT_TRUE(Accion("MostrarSolucion1")->isCheckable());
    EXPECT_FALSE(Accion("MostrarSolucion1")->isChecked());
    for (QAction* accion : ventana.findChildren<QAction*>())
        EXPECT_TRUE(accion->shortcut().isEmpty()) << accion->objectName().toStdString();
}

TEST_F(PruebaMain, LaBarraTieneSusBotonesConTextoImagenYPista) {
    auto* barra = Hijo<QToolBar>("ToolBar1");
    EXPECT_EQ(barra->height(), 43);
    QStringList botones;
    for (QAction* accion : barra->actions()) {
        if (accion->isSeparator()) {
            botones << "-";
            continue;
        }
        auto* boton = qobject_cast<QToolButton*>(barra->widgetForAction(accion));
        ASSERT_NE(boton, nullptr);
        botones << boton->objectName() + ":" + boton->text() + ":" + boton->toolTip();
        EXPECT_EQ(boton->size(), QSize(79, 39));
        EXPECT_EQ(boton->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        EXPECT_FALSE(boton->icon().isNull());
        EXPECT_TRUE(boton->isEnabled());
    }
    EXPECT_EQ(
        botones,
        QStringList({"ToolButtonNuevo:Nuevo:Nuevo problema", "ToolButtonAbrir:Abrir:Abrir problema",
                     "ToolButtonGuardar:G.Problema:Guardar problema",
                     "ToolButtonGuardarSolucion:G.Solucion:Guardar solución", "-",
                     "ToolButtonCalculoManual:Cal.Manual:Cálculo manual",
                     "ToolButtonCalcular:Calcular:Calcular lotificación seleccionada", "-",
                     "ToolButtonImprimir:Imprimir:Imprimir", "-", "ToolButtonSalir:Salir:Salir"}));
}

TEST_F(PruebaMain, ElPanelDeDatosTieneSusMedidasYSuOrdenDeTabulacion) {
    EXPECT_EQ(Hijo<QWidget>("Panel1")->width(), 228);
    EXPECT_EQ(Hijo<QWidget>("RadioGroupLotificacion")->size(), QSize(178, 169));
    for (const char* campo : {"EditNPeriodos", "EditTS", "Editss"})
        EXPECT_EQ(Campo(campo)->width(), 40) << campo;
    for (const char* campo : {"EditCE", "EditCP"}) EXPECT_EQ(Campo(campo)->width(), 70) << campo;
    for (const char* casilla : {"CheckBoxCostes", "CheckBoxRedondear"})
        EXPECT_EQ(Casilla(casilla)->text(), "") << casilla;

    const QStringList orden = {
        "EditNPeriodos",     "EditTS",        "Editss", "EditCE", "EditCP", "CheckBoxCostes",
        "CheckBoxRedondear", "RadioLoteALote"};
    QWidget* actual = Campo("EditNPeriodos");
    for (qsizetype i = 1; i < orden.size(); ++i) {
        actual = actual->nextInFocusChain();
        while (!(actual->focusPolicy() & Qt::TabFocus)) actual = actual->nextInFocusChain();
        EXPECT_EQ(actual->objectName(), orden[i]);
    }
}

TEST_F(PruebaMain, NTecleadoDesdeUnCampoVacioCambiaLasColumnasConCadaTecla) {
    QList<int> columnas;
    QObject::connect(Campo("EditNPeriodos"), &QLineEdit::textChanged, &ventana,
                     [&] { columnas << SG().Columnas(); });
    Teclear("EditNPeriodos", "12");
    EXPECT_EQ(columnas, QList<int>({10, 3, 14}));
    QStringList numeros;
    for (int periodo = 1; periodo <= 12; ++periodo) numeros << QString::number(periodo);
    EXPECT_EQ(Fila(0, 12), numeros);
    EXPECT_EQ(SG().Celda(13, 0), "");
    EXPECT_TRUE(plataforma.mensajes.isEmpty());
}

TEST_F(PruebaMain, BajarYSubirNConservaLosTextos) {
    TeclearFila(7, FilaNB, {"70", "80"});
    Teclear("EditNPeriodos", "5");
    EXPECT_EQ(SG().Columnas(), 7);
    // The column after the last period keeps the number it had.
    EXPECT_EQ(SG().Celda(6, 0), "6");
    Teclear("EditNPeriodos", "8");
    EXPECT_EQ(SG().Columnas(), 10);
    EXPECT_EQ(Fila(FilaNB, 8), QStringList({"", "", "", "", "", "", "70", "80"}));
}

struct CasoN {
    const char* nombre;
    const char* texto;
    int columnas;
    QStringList errores;
};

class NPeriodos : public PruebaMain, public testing::WithParamInterface<CasoN> {};

TEST_P(NPeriodos, CambiaLaRejillaSoloDentroDelHorizonte) {
    Teclear("EditNPeriodos", GetParam().texto);
    EXPECT_EQ(SG().Columnas(), GetParam().columnas);
    EXPECT_EQ(plataforma.errores, GetParam().errores);
}

INSTANTIATE_TEST_SUITE_P(
    MainUnit, NPeriodos,
    testing::Values(CasoN{"Cero", "0", 2, {}}, CasoN{"Maximo", "99", 101, {}},
                    CasoN{"Cien", "100", 12, {}}, // "1", "10" reshape; "100" does not
                    CasoN{"Negativo", "-3", 10, {"''-'' is not a valid integer value"}},
                    CasoN{"Letra", "a", 10, {"''a'' is not a valid integer value"}}),
    [](const auto& instancia) { return std::string(instancia.param.nombre); });

TEST_F(PruebaMain, VerCostesOcultaYMuestraLasFilasDeCostesSinPerderlas) {
    TeclearEjemplo();
    QTest::mouseClick(Casilla("CheckBoxCostes"), Qt::LeftButton);
    EXPECT_EQ(SG().Filas(), 7);
    QTest::mouseClick(Casilla("CheckBoxRedondear"), Qt::LeftButton);
    EXPECT_EQ(SG().Filas(), 7);

    Boton("ToolButtonCalcular");
    EXPECT_EQ(SG().Celda(9, FilaCTotal), "710");
    QTest::mouseClick(Casilla("CheckBoxCostes"), Qt::LeftButton);
    EXPECT_EQ(SG().Filas(), 10);
    EXPECT_EQ(SG().Celda(0, FilaCTotal), "CTotal");
    EXPECT_EQ(SG().Celda(1, FilaCTotal), "110");
}

struct CasoEnter {
    const char* nombre;
    int columna;
    const char* tecleado; // empty: Enter without editing
    int columnaFinal;
};

class EnterEnLaRejilla : public PruebaMain, public testing::WithParamInterface<CasoEnter> {};

TEST_P(EnterEnLaRejilla, AvanzaUnaColumnaSalvoEnLaUltima) {
    const CasoEnter& caso = GetParam();
    TeclearFila(caso.columna, FilaRP, {caso.tecleado});
    EXPECT_EQ(SG().ColumnaActual(), caso.columnaFinal);
    EXPECT_EQ(SG().FilaActual(), FilaRP);
    EXPECT_EQ(SG().Celda(caso.columna, FilaRP), caso.tecleado);
}

INSTANTIATE_TEST_SUITE_P(MainUnit, EnterEnLaRejilla,
                         testing::Values(CasoEnter{"EnMedio", 3, "", 4},
                                         CasoEnter{"EnLaUltimaColumna", 9, "", 9},
                                         CasoEnter{"EditandoEnMedio", 3, "12", 4},
                                         CasoEnter{"EditandoEnLaUltimaColumna", 9, "7", 9}),
                         [](const auto& instancia) { return std::string(instancia.param.nombre); });

const TextosRejilla& LoteALote = RejillaLoteALoteEjemplo;
const TextosRejilla& Poq = RejillaPOQEjemplo;

TEST_F(PruebaMain, CalculaElEjemploLoteALoteYHabilitaGuardarLaSolucion) {
    TeclearEjemplo();
    Boton("ToolButtonCalcular");
    for (int fila = 1; fila <= 9; ++fila)
        EXPECT_EQ(Fila(fila, 9), LoteALote[fila - 1]) << Etiquetas[fila - 1].toStdString();
    EXPECT_EQ(SG().Celda(10, FilaCTotal), "");
    EXPECT_TRUE(Accion("GuardarSolucion")->isEnabled());
    EXPECT_TRUE(Accion("GuardarSolucionComo")->isEnabled());
    EXPECT_EQ(MetodoMarcado(), 0);
    EXPECT_TRUE(plataforma.mensajes.isEmpty());
}

// A cell still being typed into when a command runs counts as typed: tool buttons take no focus,
// so its editor is still open. The menu and the tool bar both see it.
TEST_F(PruebaMain, LoQueSeTecleaSinEnterEntraEnElCalculo) {
    TeclearEjemplo();
    for (const char* orden : {"ToolButtonCalcular", "LotificacinSeleccionada1"}) {
        RejillaTexto& rejilla = SG();
        rejilla.setFocus();
        rejilla.PonerCeldaActual(1, FilaRP);
        QTest::keyClicks(Destino(rejilla), "3");
        QTest::keyClicks(Destino(rejilla), "0");
        Orden(orden);
        EXPECT_EQ(SG().Celda(1, FilaRP), "30") << orden;
        EXPECT_EQ(SG().Celda(2, FilaD), "40") << orden; // 60 + 30 - 50
        EXPECT_TRUE(plataforma.mensajes.isEmpty()) << plataforma.mensajes.join('|').toStdString();
    }
}

TEST_F(PruebaMain, ElMejorMetodoQuedaMarcadoYElSiguienteCalculoLoUsaSolo) {
    TeclearEjemplo();
    ElegirMetodo(6);
    Menu("LotificacinSeleccionada1");
    EXPECT_EQ(MetodoMarcado(), 2);
    for (int fila = 1; fila <= 9; ++fila)
        EXPECT_EQ(Fila(fila, 9), Poq[fila - 1]) << Etiquetas[fila - 1].toStdString();

    // A dearer holding cost makes POQ plan lot for lot: the best would then be lot-for-lot
    // itself, yet POQ stays selected because POQ alone is run.
    Teclear("EditCP", "10");
    Menu("LotificacinSeleccionada1");
    EXPECT_EQ(MetodoMarcado(), 2);
    EXPECT_EQ(Fila(FilaPPL, 9), LoteALote[FilaPPL - 1]);
    EXPECT_EQ(SG().Celda(9, FilaCTotal), "800");
    EXPECT_TRUE(plataforma.mensajes.isEmpty());
}

TEST_F(PruebaMain, ElCalculoManualProyectaLosLanzamientosTecleados) {
    TeclearEjemplo();
    ElegirMetodo(4);
    TeclearFila(1, FilaPPL, {"120", "", "155", "", "135", "", "55"});
    Boton("ToolButtonCalculoManual");
    for (int fila = 1; fila <= 9; ++fila)
        EXPECT_EQ(Fila(fila, 9), Poq[fila - 1]) << Etiquetas[fila - 1].toStdString();
    EXPECT_EQ(MetodoMarcado(), 4);
    EXPECT_TRUE(Accion("GuardarSolucion")->isEnabled());
}

TEST_F(PruebaMain, LasCeldasSeReescribenEnElFormatoDeLaRejilla) {
    Teclear("EditTS", "0");
    TeclearFila(1, FilaNB, {"2,50", "0", "7"});
    TeclearFila(1, FilaRP, {"0", "1e1"});
    Menu("LotificacinSeleccionada1");
    EXPECT_EQ(Fila(FilaNB, 3), QStringList({"2,5", "", "7"}));
    EXPECT_EQ(Fila(FilaRP, 3), QStringList({"", "10", ""}));
}

struct CasoAviso {
    const char* nombre;
    int metodo;
    const char* ce;
    const char* n;
    const char* ts;
    bool conNecesidades;
    bool manual;
    QStringList avisos;
};

class Avisos : public PruebaMain, public testing::WithParamInterface<CasoAviso> {};

TEST_P(Avisos, SeMuestranEnOrdenYNoCambianNada) {
    const CasoAviso& caso = GetParam();
    Teclear("EditCE", caso.ce);
    Teclear("EditCP", "1");
    if (caso.conNecesidades) TeclearFila(1, FilaNB, {"50", "60"});
    Teclear("EditNPeriodos", caso.n);
    Teclear("EditTS", caso.ts);
    ElegirMetodo(caso.metodo);
    const TextosCelda antes = SG().Textos();

    Boton(caso.manual ? "ToolButtonCalculoManual" : "ToolButtonCalcular");
    EXPECT_EQ(plataforma.avisos, caso.avisos);
    EXPECT_TRUE(plataforma.errores.isEmpty());
    EXPECT_TRUE(SG().Textos() == antes);
    EXPECT_EQ(MetodoMarcado(), caso.metodo);
    EXPECT_FALSE(Accion("GuardarSolucion")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    MainUnit, Avisos,
    testing::Values(
        CasoAviso{"PoqSinCostesNiNecesidades",
                  2,
                  "0",
                  "8",
                  "1",
                  false,
                  false,
                  {AvisoCostes, AvisoNecesidadBruta}},
        CasoAviso{"EoqConCosteDeEmisionCero", 1, "0", "8", "1", true, false, {AvisoCostes}},
        CasoAviso{"ManualSinNecesidades", 0, "0", "8", "1", false, true, {AvisoNecesidadBruta}},
        CasoAviso{"NCien", 0, "0", "100", "1", true, false, {AvisoPeriodos}},
        CasoAviso{"NCienEnElManual", 0, "0", "100", "1", true, true, {AvisoPeriodos}},
        CasoAviso{
            "TiempoDeSuministroNegativo", 3, "5", "8", "-1", true, false, {AvisoTiempoSuministro}}),
    [](const auto& instancia) { return std::string(instancia.param.nombre); });

TEST_F(PruebaMain, SinAvisoConLoteALoteYCostesCeroOConCosteEscritoCeroComaCero) {
    TeclearFila(1, FilaNB, {"50"});
    Boton("ToolButtonCalcular");
    EXPECT_EQ(SG().Celda(1, FilaNN), "50");
    EXPECT_EQ(SG().Celda(1, FilaCe), "");

    ElegirMetodo(1);
    Teclear("EditCE", "0,0");
    Teclear("EditCP", "1");
    Boton("ToolButtonCalcular");
    EXPECT_TRUE(plataforma.mensajes.isEmpty());
}

struct CasoFallo {
    const char* nombre;
    const char* campo; // nullptr: the text goes into RP of period 2
    const char* texto;
    int metodo;
    const char* error;
};

class FallosDeCalculo : public PruebaMain, public testing::WithParamInterface<CasoFallo> {};

TEST_P(FallosDeCalculo, SeInformanYDejanRejillaMetodoYMenusComoEstaban) {
    const CasoFallo& caso = GetParam();
    TeclearEjemplo();
    ElegirMetodo(caso.metodo);
    if (caso.campo)
        Teclear(caso.campo, caso.texto);
    else
        TeclearFila(2, FilaRP, {caso.texto});
    const TextosCelda antes = SG().Textos();

    Boton("ToolButtonCalcular");
    EXPECT_EQ(plataforma.errores, QStringList{caso.error});
    EXPECT_TRUE(SG().Textos() == antes);
    EXPECT_EQ(MetodoMarcado(), caso.metodo);
    EXPECT_FALSE(Accion("GuardarSolucion")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(MainUnit, FallosDeCalculo,
                         testing::Values(CasoFallo{"LetraEnUnaRecepcion", nullptr, "x", 6,
                                                   "'x' is not a valid floating point value"},
                                         CasoFallo{"StockDeSeguridadConDecimales", "Editss", "2,5",
                                                   0, "''2,5'' is not a valid integer value"},
                                         CasoFallo{"CosteDePosesionVacio", "EditCP", "", 1,
                                                   "'' is not a valid floating point value"},
                                         CasoFallo{"CosteDePosesionCeroComaCeroEnEoq", "EditCP",
                                                   "0,0", 1, "Floating point division by zero"}),
                         [](const auto& instancia) { return std::string(instancia.param.nombre); });

TEST_F(PruebaMain, NuevoVaciaTodoElProblemaPeroRespetaCasillasYTitulo) {
    TeclearEjemplo();
    Teclear("EditNPeriodos", "12");
    TeclearFila(12, FilaNB, {"9"});
    Teclear("EditNPeriodos", "8");
    ElegirMetodo(5);
    QTest::mouseClick(Casilla("CheckBoxCostes"), Qt::LeftButton);
    Boton("ToolButtonCalcular");
    ASSERT_TRUE(Accion("GuardarSolucion")->isEnabled());
    ventana.setWindowTitle("otro");

    Boton("ToolButtonNuevo");
    EXPECT_EQ(Campo("EditNPeriodos")->text(), "8");
    EXPECT_EQ(Campo("EditCE")->text(), "0");
    EXPECT_EQ(MetodoMarcado(), 0);
    EXPECT_FALSE(Casilla("CheckBoxCostes")->isChecked());
    EXPECT_EQ(SG().Filas(), 7);
    EXPECT_FALSE(Accion("GuardarSolucion")->isEnabled());
    EXPECT_FALSE(Accion("GuardarSolucionComo")->isEnabled());
    EXPECT_TRUE(Hijo<QToolButton>("ToolButtonGuardarSolucion")->isEnabled());
    EXPECT_EQ(ventana.windowTitle(), "otro");

    // Neither the hidden cost rows nor the columns beyond the new horizon keep anything.
    QTest::mouseClick(Casilla("CheckBoxCostes"), Qt::LeftButton);
    Teclear("EditNPeriodos", "12");
    for (int fila = 1; fila <= 9; ++fila) EXPECT_EQ(Fila(fila, 13), QStringList(13)) << fila;
    EXPECT_EQ(SG().Celda(0, FilaCTotal), "CTotal");
}

// The window keeps the records of the calculation the grid shows, for its views and reports.
TEST_F(PruebaMain, GuardaElUltimoCalculoHastaNuevo) {
    int avisosDeCambio = 0;
    QObject::connect(&ventana, &TFormMain::CalculoCambiado, [&] { ++avisosDeCambio; });
    TeclearEjemplo();
    ElegirMetodo(LotificacionMejor);
    Boton("ToolButtonCalcular");
    ASSERT_TRUE(ventana.UltimoCalculo());
    EXPECT_EQ(ventana.UltimoCalculo()->Metodo, LotificacionPOQ);
    EXPECT_EQ(ventana.UltimoCalculo()->CosteTotal(), 635);

    // A refused calculation leaves the last one in place.
    Teclear("EditNPeriodos", "100");
    Boton("ToolButtonCalculoManual");
    EXPECT_EQ(plataforma.avisos, QStringList{AvisoPeriodos});
    EXPECT_EQ(ventana.UltimoCalculo()->Metodo, LotificacionPOQ);

    Teclear("EditNPeriodos", "8");
    Boton("ToolButtonCalculoManual");
    ASSERT_TRUE(ventana.UltimoCalculo());
    EXPECT_EQ(ventana.UltimoCalculo()->Metodo, -1);
    EXPECT_EQ(ventana.UltimoCalculo()->CosteTotal(), 635);

    Boton("ToolButtonNuevo");
    EXPECT_FALSE(ventana.UltimoCalculo());
    EXPECT_EQ(avisosDeCambio, 3);
}

TEST_F(PruebaMain, ElMenuAbreLasOtrasVentanas) {
    QWidget experimentos;
    QDialog acercaDe;
    acercaDe.setObjectName("AboutBox");
    ventana.PonerVentanas(experimentos, acercaDe);

    // Owned by the main window, so it stays above it, and still a modeless window of its own.
    EXPECT_EQ(experimentos.parentWidget(), &ventana);
    EXPECT_TRUE(experimentos.isWindow());
    Menu("Modulodeexperimentos1");
    EXPECT_TRUE(experimentos.isVisible());
    EXPECT_FALSE(experimentos.isModal());
    // Window systems keep only a dialog's type above the window it is transient for.
    EXPECT_EQ(experimentos.windowType(), Qt::Dialog);
    ASSERT_TRUE(experimentos.windowHandle());
    EXPECT_EQ(experimentos.windowHandle()->transientParent(), ventana.windowHandle());
    EXPECT_TRUE(experimentos.windowFlags() & Qt::WindowMinimizeButtonHint);
    Menu("Acercade1");
    EXPECT_EQ(plataforma.modalesEjecutados, QStringList{"AboutBox"});
}

TEST_F(PruebaMain, SalirTerminaElProgramaAunqueHayaOtraVentanaAbierta) {
    QWidget experimentos;
    QDialog acercaDe;
    ventana.PonerVentanas(experimentos, acercaDe);
    Menu("Modulodeexperimentos1");

    bool terminado = false;
    QTimer::singleShot(0, &ventana, [&] { Boton("ToolButtonSalir"); });
    // A guard: if the program did not end, this ends the loop and the test fails.
    QTimer guarda;
    guarda.setSingleShot(true);
    QObject::connect(&guarda, &QTimer::timeout, [] { QApplication::exit(1); });
    guarda.start(5000);
    terminado = QApplication::exec() == 0;
    EXPECT_TRUE(terminado);
    EXPECT_FALSE(ventana.isVisible());
}

} // namespace
