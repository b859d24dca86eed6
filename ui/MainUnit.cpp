// The main window: its construction, the fields and the grid, the calculation commands and the
// windows it opens. The file and print commands are in MainUnitFicheros.cpp.
#include "MainUnit.h"

#include "ArticuloDeTextos.h"
#include "BarraHerramientas.h"
#include "CalculoProblema.h"
#include "CapasMarcas.h"
#include "GuardarLibro.h"
#include "InformeErrores.h"
#include "LugarTexto.h"
#include "MarcaCampo.h"
#include "MarcasRejilla.h"
#include "Numeros.h"
#include "PanelComparacion.h"
#include "PanelExplicacion.h"
#include "PanelGraficoPlan.h"
#include "PinturaInforme.h"
#include "RejillaTexto.h"
#include "TablaRejilla.h"
#include "TextosLotificacion.h"
#include "ui_MainUnit.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDialog>
#include <QHeaderView>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

#include <map>

namespace {

constexpr int FilasConCostes = FilaCTotal + 1;
constexpr int FilasSinCostes = FilaPPL + 1;
// The grid's largest extent: the fixed column, 99 periods and the column after the last.
constexpr int ColumnasMaximas = MaxPeriodos + 2;
// The periods a panel beside the grid leaves in view, and the narrowest a panel opens.
constexpr int PeriodosALaVista = 8;
constexpr int AnchoMinimoPanel = 320;
constexpr int AnchoPanel1 = 228;

QString Texto(const char* utf8) {
    return QString::fromUtf8(utf8);
}

DialogoFichero Dialogo(DialogoFichero::Tipo tipo, const QString& filtro, const QString& extension) {
    DialogoFichero dialogo;
    dialogo.tipo = tipo;
    dialogo.filtro = filtro;
    dialogo.extensionDefecto = extension;
    // No check that the chosen file exists: opening a missing one reports "File not found".
    dialogo.admiteInexistente = tipo == DialogoFichero::Tipo::Abrir;
    return dialogo;
}

const QString FiltroProblema = QStringLiteral("Problema de lotificación (*.lot)");
const QString FiltroSolucion = QStringLiteral("Solución de lotificación (*.sol)");
const QString FiltroInforme = QStringLiteral("Informe en PDF (*.pdf)");
const QString FiltroHojasLeidas =
    QStringLiteral("Hojas de cálculo (*.xlsx *.csv);;") + FiltrosHojaCalculo;

} // namespace

TFormMain::TFormMain(Plataforma& plataforma, QWidget* padre)
    : QMainWindow(padre), plataforma_(plataforma), ui_(std::make_unique<Ui::TFormMain>()),
      RadioGroupLotificacion_(new QButtonGroup(this)),
      SaveDialogProb_(
          Dialogo(DialogoFichero::Tipo::Guardar, FiltroProblema, QStringLiteral("lot"))),
      OpenDialogProb_(Dialogo(DialogoFichero::Tipo::Abrir, FiltroProblema, QStringLiteral("lot"))),
      SaveDialogSol_(Dialogo(DialogoFichero::Tipo::Guardar, FiltroSolucion, QStringLiteral("sol"))),
      SaveDialogInforme_(
          Dialogo(DialogoFichero::Tipo::Guardar, FiltroInforme, QStringLiteral("pdf"))),
      SaveDialogHoja_(
          Dialogo(DialogoFichero::Tipo::Guardar, FiltrosHojaCalculo, QStringLiteral("xlsx"))),
      OpenDialogHoja_(Dialogo(DialogoFichero::Tipo::Abrir, FiltroHojasLeidas, QString())) {
    ui_->setupUi(this);
    ImpresoraInforme_.setPageLayout(DisposicionInforme());
    ui_->Splitter1->setSizes({AnchoPanel1, width() - AnchoPanel1});
    ui_->Splitter1->setStretchFactor(0, 0);
    ui_->Splitter1->setStretchFactor(1, 1);

    CrearRadioGroupLotificacion();
    CrearOrdenes();
    CrearEdicion();
    CrearBarraEstado();
    CrearPaneles();
    CrearEjercicio();

    connect(ui_->EditNPeriodos, &QLineEdit::textChanged, this, [this](const QString& texto) {
        Protegido(plataforma_, this, [&] { EditNPeriodosChange(texto); });
    });
    // Any input the calculation reads may leave its results behind.
    for (QLineEdit* campo :
         {ui_->EditNPeriodos, ui_->EditTS, ui_->Editss, ui_->EditCE, ui_->EditCP})
        connect(campo, &QLineEdit::textChanged, this, &TFormMain::ComprobarDatos);
    connect(ui_->CheckBoxRedondear, &QCheckBox::clicked, this, &TFormMain::ComprobarDatos);
    connect(ui_->SG->model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole)) ComprobarDatos();
            });
    ui_->SG->PonerExtensionMaxima(ColumnasMaximas, FilasConCostes);
    for (QCheckBox* casilla : {ui_->CheckBoxCostes, ui_->CheckBoxRedondear})
        connect(casilla, &QCheckBox::clicked, this,
                [this] { Ejecutar(&TFormMain::CheckBoxCostesClick); });
    connect(ui_->SG, &RejillaTexto::TeclaPulsada, this,
            [this](int tecla) { Protegido(plataforma_, this, [&] { SGKeyDown(tecla); }); });

    Ejecutar(&TFormMain::FormCreate);
}

TFormMain::~TFormMain() = default;

void TFormMain::PonerVentanas(QWidget& FormExp, QDialog& AboutBox) {
    // Owned, it stays above this window while both are open, yet keeps a window of its own with
    // every button: window systems keep a window above its owner only for a dialog's type.
    if (FormExp.parentWidget() != this)
        FormExp.setParent(this, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                    Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    FormExp_ = &FormExp;
    AboutBox_ = &AboutBox;
}

// One item per radio item of the method table, in code order: the item's index is the method's
// code. Tabbing goes from the check boxes through the items to the grid.
void TFormMain::CrearRadioGroupLotificacion() {
    RadioGroupLotificacion_->setObjectName(QStringLiteral("GrupoLotificacion"));
    QWidget* anterior = ui_->CheckBoxRedondear;
    for (const MetodoLotificacion& metodo : MetodosLotificacion) {
        if (!metodo.ItemRadio) continue;
        auto* item =
            new QRadioButton(TextoLotificacion(metodo.Codigo), ui_->RadioGroupLotificacion);
        item->setObjectName(
            QStringLiteral("Radio") +
            QString::fromLatin1(metodo.Nombre.data(), qsizetype(metodo.Nombre.size())));
        ui_->DisposicionLotificacion->addWidget(item);
        RadioGroupLotificacion_->addButton(item, metodo.Codigo);
        setTabOrder(anterior, item);
        anterior = item;
    }
    setTabOrder(anterior, ui_->SG);
}

// Menus and tool bar from the one table; a menu item and its tool button share the handler but
// not their state, since only the menu items are ever disabled.
void TFormMain::CrearOrdenes() {
    QMenuBar* MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    std::map<LugarOrden, QMenu*> menus;
    for (const MenuMain& menu : MenusMain()) {
        QMenu* nuevo = MainMenu1->addMenu(Texto(menu.texto));
        nuevo->setObjectName(Texto(menu.nombre));
        menus[menu.lugar] = nuevo;
    }

    QToolBar* ToolBar1 = CrearBarraHerramientas(*this, QStringLiteral("ToolBar1"));

    for (const OrdenMain& orden : OrdenesMain()) {
        const bool enBarra = orden.lugar == LugarOrden::BarraHerramientas;
        if (!orden.nombre) {
            if (enBarra)
                ToolBar1->addSeparator();
            else
                menus.at(orden.lugar)->addSeparator();
            continue;
        }
        const QIcon imagen = orden.imagen ? QIcon(Texto(orden.imagen)) : QIcon();
        const ManejadorMain manejador = orden.manejador;
        if (enBarra) {
            QToolButton* boton = AnadirBoton(*ToolBar1, Texto(orden.nombre), Texto(orden.texto),
                                             imagen, orden.pista ? Texto(orden.pista) : QString());
            boton->setEnabled(orden.habilitada);
            connect(boton, &QToolButton::clicked, this, [this, manejador] { Ejecutar(manejador); });
        } else {
            QAction* accion = menus.at(orden.lugar)->addAction(imagen, Texto(orden.texto));
            accion->setObjectName(Texto(orden.nombre));
            accion->setEnabled(orden.habilitada);
            accion->setCheckable(orden.marcable);
            connect(accion, &QAction::triggered, this, [this, manejador] { Ejecutar(manejador); });
        }
    }
}

// The views that follow the calculations, each a dock on the right hidden until "Análisis" opens
// it. A hidden panel builds nothing until it shows.
void TFormMain::CrearPaneles() {
    PanelComparacion_ = new PanelComparacion(this);
    connect(this, &TFormMain::CalculoCambiado, PanelComparacion_,
            [this] { PanelComparacion_->Mostrar(UltimoCalculo_); });
    connect(PanelComparacion_, &PanelComparacion::PlanElegido, this,
            [this](TipoLotificacion metodo) { Ejecutar([this, metodo] { MostrarPlan(metodo); }); });

    PanelGraficoPlan_ = new PanelGraficoPlan(this);
    connect(this, &TFormMain::CalculoCambiado, PanelGraficoPlan_,
            [this] { PanelGraficoPlan_->Mostrar(UltimoCalculo_); });

    PanelExplicacion_ = new PanelExplicacion(this);
    connect(this, &TFormMain::CalculoCambiado, PanelExplicacion_,
            [this] { PanelExplicacion_->Mostrar(UltimoCalculo_); });

    for (PanelAnalisis* panel : Paneles()) {
        addDockWidget(Qt::RightDockWidgetArea, panel);
        panel->hide();
    }
}

std::vector<PanelAnalisis*> TFormMain::Paneles() const {
    return {PanelComparacion_, PanelGraficoPlan_, PanelExplicacion_};
}

void TFormMain::Ejecutar(ManejadorMain orden) {
    Ejecutar([this, orden] { (this->*orden)(); });
}

// Every command sees the grid as the user sees it, with a cell still being typed into included.
void TFormMain::Ejecutar(const std::function<void()>& orden) {
    ui_->SG->ConfirmarEdicion();
    std::optional<LugarTexto> lugar;
    const bool hecho = Protegido(plataforma_, this, [&] {
        try {
            orden();
        } catch (const EConvertErrorEn& error) {
            lugar = error.lugar;
            throw;
        }
    });
    if (!hecho && lugar) SenalarLugar(*lugar);
}

void TFormMain::SenalarLugar(const LugarTexto& lugar) {
    QLineEdit* campo = nullptr;
    switch (lugar.campo) {
    case LugarTexto::Campo::Celda:
        ui_->SG->PonerCeldaActual(lugar.columna, lugar.fila);
        ui_->SG->setFocus(Qt::OtherFocusReason);
        return;
    case LugarTexto::Campo::NPeriodos:
        campo = ui_->EditNPeriodos;
        break;
    case LugarTexto::Campo::TS:
        campo = ui_->EditTS;
        break;
    case LugarTexto::Campo::SS:
        campo = ui_->Editss;
        break;
    case LugarTexto::Campo::CE:
        campo = ui_->EditCE;
        break;
    case LugarTexto::Campo::CP:
        campo = ui_->EditCP;
        break;
    }
    campo->setFocus(Qt::OtherFocusReason);
    campo->selectAll();
}

void TFormMain::FormCreate() {
    Inicializar();
}

// A new problem. The whole text store is replaced, so nothing of the previous problem survives
// in hidden cost rows or in columns beyond the new horizon.
void TFormMain::Inicializar() {
    const TextosProblema defecto;
    PonerCampos(defecto);
    const std::int32_t n = StrToInt(ui_->EditNPeriodos->text());
    ui_->SG->PonerTextos(CeldasIniciales(n));
    ui_->SG->PonerFilas(ui_->CheckBoxCostes->isChecked() ? FilasConCostes : FilasSinCostes);
    ui_->SG->PonerColumnas(n + 2);
    NumerarPeriodos();
    AjustarRejilla();
    FicheroProblema_.clear();
    FicheroSolucion_.clear();
}

void TFormMain::NumerarPeriodos() {
    for (int columna = 1; columna <= ui_->SG->Columnas() - 2; ++columna)
        ui_->SG->PonerCelda(columna, 0, QString::number(columna));
}

// The grid follows N only within the horizon the records can hold; the calculations refuse
// any other N with a warning. Meanwhile the field is marked, so the user sees why the grid stays.
void TFormMain::EditNPeriodosChange(const QString& texto) {
    MarcarCampo(*ui_->EditNPeriodos, PeriodosFueraDeRejilla(texto), PistaPeriodosDeRejilla);
    if (texto.isEmpty()) return;
    const std::int32_t n = StrToInt(texto);
    if (!PeriodosDeRejilla(n)) return;
    ui_->SG->PonerColumnas(n + 2);
    NumerarPeriodos();
    AjustarRejilla();
}

// The columns follow the rows shown; a click on "Redondear" changes no row and nothing visible.
void TFormMain::CheckBoxCostesClick() {
    const int filas = ui_->CheckBoxCostes->isChecked() ? FilasConCostes : FilasSinCostes;
    if (filas == ui_->SG->Filas()) return;
    ui_->SG->PonerFilas(filas);
    AjustarRejilla();
}

void TFormMain::AjustarRejilla() {
    ui_->SG->PonerColumnaNegrita(ui_->SG->Columnas() - 1);
    ui_->SG->AjustarColumnas();
}

void TFormMain::SGKeyDown(int tecla) {
    if (tecla != Qt::Key_Return) return;
    RejillaTexto& SG = *ui_->SG;
    if (SG.ColumnaActual() < SG.Columnas() - 1)
        SG.PonerCeldaActual(SG.ColumnaActual() + 1, SG.FilaActual());
}

void TFormMain::Nuevo1Click() {
    Inicializar();
    HabilitarSolucion(false);
    PonerUltimoCalculo(std::nullopt);
}

void TFormMain::Salir1Click() {
    close();
}

// A run of experiments still going is stopped, its trace closed, before the program ends.
void TFormMain::closeEvent(QCloseEvent* evento) {
    QMainWindow::closeEvent(evento);
    if (!evento->isAccepted()) return;
    if (FormExp_) FormExp_->close();
    QApplication::quit();
}

void TFormMain::Modulodeexperimentos1Click() {
    if (!FormExp_) return;
    FormExp_->show();
    FormExp_->raise();
    FormExp_->activateWindow();
}

void TFormMain::Acercade1Click() {
    if (AboutBox_) plataforma_.EjecutarModal(*AboutBox_);
}

void TFormMain::LotificacinSeleccionada1Click() {
    CalcularCon(RadioGroupLotificacion_->checkedId());
}

// The radio group keeps its selection: the optimum is none of its items.
void TFormMain::PlanOptimo1Click() {
    CalcularCon(LotificacionOptimo);
}

void TFormMain::CompararMetodos1Click() {
    AbrirPanel(PanelComparacion_);
}

void TFormMain::GraficoPlan1Click() {
    AbrirPanel(PanelGraficoPlan_);
}

void TFormMain::ExplicacionCalculo1Click() {
    AbrirPanel(PanelExplicacion_);
}

void TFormMain::AbrirPanel(PanelAnalisis* panel) {
    if (panel->isHidden()) {
        const std::vector<PanelAnalisis*> paneles = Paneles();
        const auto junto = std::find_if(paneles.begin(), paneles.end(), [&](PanelAnalisis* otro) {
            return otro != panel && !otro->isHidden() && !otro->isFloating() &&
                   dockWidgetArea(otro) == dockWidgetArea(panel);
        });
        if (junto != paneles.end() && !panel->isFloating()) tabifyDockWidget(*junto, panel);
        panel->show();
        if (junto == paneles.end() && !panel->isFloating())
            resizeDocks({panel}, {AnchoPanel()}, Qt::Horizontal);
    }
    panel->raise();
}

int TFormMain::AnchoPanel() const {
    const RejillaTexto& SG = *ui_->SG;
    int rejilla = SG.mapTo(this, QPoint(0, 0)).x() + 2 * SG.frameWidth() +
                  SG.verticalHeader()->width() + SG.verticalScrollBar()->sizeHint().width();
    for (int columna = 0; columna < PeriodosALaVista; ++columna) rejilla += SG.columnWidth(columna);
    // The separator between the grid's side and the panels' side.
    const int separador = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    return std::max(AnchoMinimoPanel, width() - rejilla - separador - 4);
}

void TFormMain::RestablecerDisposicion1Click() {
    std::vector<PanelAnalisis*> abiertos;
    PanelAnalisis* primero = nullptr;
    for (PanelAnalisis* panel : Paneles()) {
        const bool abierto = !panel->isHidden();
        panel->setFloating(false);
        addDockWidget(Qt::RightDockWidgetArea, panel);
        if (primero)
            tabifyDockWidget(primero, panel);
        else
            primero = panel;
        panel->setVisible(abierto);
        if (abierto) abiertos.push_back(panel);
    }
    if (abiertos.empty()) return;
    abiertos.front()->raise();
    resizeDocks({abiertos.front()}, {AnchoPanel()}, Qt::Horizontal);
}

void TFormMain::CalcularCon(TipoLotificacion metodo) {
    TextosProblema problema = Problema();
    problema.Metodo = metodo;
    TextosCelda celdas = ui_->SG->Textos();
    std::optional<ResultadoCalculo> resultado = ComandoCalcular(problema, celdas, Avisador());
    if (!resultado) return;
    ui_->SG->PonerTextos(celdas);
    AjustarRejilla();
    // After "Mejor de las anteriores" the winner; with no item selected, still none.
    if (EsItemRadio(problema.Metodo)) SeleccionarMetodo(problema.Metodo);
    HabilitarSolucion(true);
    PonerUltimoCalculo(std::move(resultado));
}

// A method's row is that method's calculation, selecting it as the user would before "Calcular";
// the optimum's row is "Plan óptimo"; the user's plan is the manual calculation again.
void TFormMain::MostrarPlan(TipoLotificacion metodo) {
    if (metodo == CodigoPlanManual)
        CalculoManual1Click();
    else
        CalcularCon(metodo);
}

void TFormMain::CalculoManual1Click() {
    TextosCelda celdas = ui_->SG->Textos();
    std::optional<ResultadoCalculo> resultado =
        ComandoCalculoManual(Problema(), celdas, Avisador());
    if (!resultado) return;
    ui_->SG->PonerTextos(celdas);
    AjustarRejilla();
    HabilitarSolucion(true);
    PonerUltimoCalculo(std::move(resultado));
}

void TFormMain::PonerUltimoCalculo(std::optional<ResultadoCalculo> resultado) {
    UltimoCalculo_ = std::move(resultado);
    ui_->SG->PonerMarcas(CapaRoturas, UltimoCalculo_
                                          ? MarcasRoturas(RoturasDelCalculo(*UltimoCalculo_))
                                          : MarcasCeldas{});
    ComprobarDatos();
    emit CalculoCambiado();
}

// The calculation's texts are the inputs read back, so a result stays current until the user
// changes what it was made from; changing it back makes it current again.
void TFormMain::ComprobarDatos() {
    const bool cambiado =
        UltimoCalculo_ && ProblemaCambiado(Problema(), ui_->SG->Textos(), *UltimoCalculo_);
    if (cambiado == Desactualizado_) return;
    Desactualizado_ = cambiado;
    ui_->SG->PonerMarcas(CapaDesactualizada,
                         cambiado ? MarcasDesactualizadas(*UltimoCalculo_) : MarcasCeldas{});
    for (PanelAnalisis* panel : Paneles()) panel->MarcarDesactualizado(cambiado);
}

Avisar TFormMain::Avisador() {
    return [this](const QString& aviso) { plataforma_.Aviso(this, aviso); };
}

void TFormMain::HabilitarSolucion(bool habilitar) {
    for (const char* nombre : {"GuardarSolucion", "GuardarSolucionComo"})
        findChild<QAction*>(QString::fromLatin1(nombre))->setEnabled(habilitar);
}

TextosProblema TFormMain::Problema() const {
    TextosProblema problema;
    problema.NPeriodos = ui_->EditNPeriodos->text();
    problema.TS = ui_->EditTS->text();
    problema.SS = ui_->Editss->text();
    problema.CE = ui_->EditCE->text();
    problema.CP = ui_->EditCP->text();
    problema.Metodo = RadioGroupLotificacion_->checkedId();
    problema.VerCostes = ui_->CheckBoxCostes->isChecked();
    problema.Redondear = ui_->CheckBoxRedondear->isChecked();
    return problema;
}

// The fields in their order, so that a new N reshapes the grid at once; the check boxes are
// the user's and stay as they are.
void TFormMain::PonerCampos(const TextosProblema& problema) {
    ui_->EditNPeriodos->setText(problema.NPeriodos);
    ui_->EditTS->setText(problema.TS);
    ui_->Editss->setText(problema.SS);
    ui_->EditCE->setText(problema.CE);
    ui_->EditCP->setText(problema.CP);
    SeleccionarMetodo(problema.Metodo);
}

// -1 leaves no item checked, which an exclusive group only allows while it is not exclusive.
void TFormMain::SeleccionarMetodo(int metodo) {
    if (QAbstractButton* boton = RadioGroupLotificacion_->button(metodo)) {
        boton->setChecked(true);
        return;
    }
    QAbstractButton* marcado = RadioGroupLotificacion_->checkedButton();
    if (!marcado) return;
    RadioGroupLotificacion_->setExclusive(false);
    marcado->setChecked(false);
    RadioGroupLotificacion_->setExclusive(true);
}
