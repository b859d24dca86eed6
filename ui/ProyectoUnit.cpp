// The project window: its construction, the selection, and the views of the project, its item and
// its last explosion. The edits are in ProyectoUnitEdicion.cpp, the files in
// ProyectoUnitFicheros.cpp.
#include "ProyectoUnit.h"

#include "BarraHerramientas.h"
#include "CapasMarcas.h"
#include "FicheroProyecto.h"
#include "GraficosCalculo.h"
#include "GuardarLibro.h"
#include "InformeErrores.h"
#include "MensajesEstado.h"
#include "ModeloEstructura.h"
#include "Numeros.h"
#include "OrigenNecesidades.h"
#include "PanelDiagrama.h"
#include "PanelPoliticas.h"
#include "RejillaArticulo.h"
#include "RejillaProyecto.h"
#include "ResultadoArticuloProyecto.h"
#include "TablaRejilla.h"
#include "TextosLotificacion.h"
#include "VistaGrafico.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace {

QString Texto(const char* utf8) {
    return QString::fromUtf8(utf8);
}

DialogoFichero Dialogo(DialogoFichero::Tipo tipo, const QString& filtro, const QString& extension) {
    DialogoFichero dialogo;
    dialogo.tipo = tipo;
    dialogo.filtro = filtro;
    dialogo.extensionDefecto = extension;
    return dialogo;
}

const QColor TextoAnterior(0x90, 0x90, 0x90);
const QColor FondoEntrada(0xFF, 0xFB, 0xE6);

} // namespace

TFormProyecto::TFormProyecto(Plataforma& plataforma, QWidget* padre)
    : QMainWindow(padre), plataforma_(plataforma), pila_(new QUndoStack(this)),
      modelo_(new ModeloEstructura(proyecto_, this)),
      OpenDialogProyecto_(
          Dialogo(DialogoFichero::Tipo::Abrir,
                  FiltroProyecto + QStringLiteral(";;Problema de lotificación (*.lot)"),
                  ExtensionProyecto)),
      SaveDialogProyecto_(
          Dialogo(DialogoFichero::Tipo::Guardar, FiltroProyecto, ExtensionProyecto)),
      SaveDialogInforme_(Dialogo(DialogoFichero::Tipo::Guardar,
                                 QStringLiteral("Informe en PDF (*.pdf)"), QStringLiteral("pdf"))),
      SaveDialogHoja_(
          Dialogo(DialogoFichero::Tipo::Guardar, FiltrosHojaCalculo, QStringLiteral("xlsx"))),
      SaveDialogArticulo_(Dialogo(DialogoFichero::Tipo::Guardar,
                                  QStringLiteral("Problema de lotificación (*.lot)"),
                                  QStringLiteral("lot"))) {
    setObjectName(QStringLiteral("FormProyecto"));
    // Owned, it stays above the main window, as the experiments window does.
    if (padre) {
        setParent(padre, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
        padre->installEventFilter(this);
    }
    resize(1150, 720);
    CrearFormulario();
    CrearOrdenes();
    CrearPaneles();

    QStatusBar* barra = statusBar();
    MensajeEstado_ = new QLabel(barra);
    MensajeEstado_->setObjectName(QStringLiteral("MensajeEstadoProyecto"));
    barra->addWidget(MensajeEstado_, 1);

    connect(pila_, &QUndoStack::cleanChanged, this, [this] { MostrarTitulo(); });
    Refrescar();
    Informar(MensajeProyectoNuevo());
}

// Widgets that go with the window may still signal (a field losing the focus ends its editing),
// and the tree reads the project: both go while the project is still there.
TFormProyecto::~TFormProyecto() {
    for (QObject* hijo : findChildren<QObject*>()) hijo->disconnect(this);
    delete centralWidget();
    delete modelo_;
}

// The first time, as large as most of the screen: a structure wants room beside its record.
void TFormProyecto::Mostrar() {
    if (!property("colocada").toBool()) {
        setProperty("colocada", true);
        const QRect pantalla =
            (parentWidget() ? parentWidget()->screen() : screen())->availableGeometry();
        resize(pantalla.size() * 0.9);
        move(pantalla.center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

// The project's own fields and the tree on the left; the item's fields and its record on the
// right.
void TFormProyecto::CrearFormulario() {
    auto* division = new QSplitter(Qt::Horizontal);
    division->setObjectName(QStringLiteral("DivisionProyecto"));

    auto* izquierda = new QWidget;
    auto* columnaIzquierda = new QVBoxLayout(izquierda);
    auto* grupoProyecto = new QGroupBox(QStringLiteral("Proyecto"));
    auto* camposProyecto = new QGridLayout(grupoProyecto);
    EditNPeriodos_ = new QLineEdit;
    EditNPeriodos_->setObjectName(QStringLiteral("EditNPeriodosProyecto"));
    EditNPeriodos_->setMaximumWidth(50);
    CheckBoxRedondear_ = new QCheckBox;
    CheckBoxRedondear_->setObjectName(QStringLiteral("CheckBoxRedondearProyecto"));
    CheckBoxRedondear_->setToolTip(
        QStringLiteral("Redondear la cantidad económica de pedido en todos los artículos"));
    camposProyecto->addWidget(new QLabel(QStringLiteral("Nº períodos:")), 0, 0);
    camposProyecto->addWidget(EditNPeriodos_, 0, 1);
    camposProyecto->addWidget(new QLabel(QStringLiteral("Redondear:")), 0, 2);
    camposProyecto->addWidget(CheckBoxRedondear_, 0, 3);
    camposProyecto->setColumnStretch(4, 1);
    columnaIzquierda->addWidget(grupoProyecto);

    arbol_ = new QTreeView;
    arbol_->setObjectName(QStringLiteral("ArbolEstructura"));
    arbol_->setModel(modelo_);
    arbol_->setUniformRowHeights(true);
    arbol_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    // The codes whole; the description takes what is left.
    arbol_->header()->setStretchLastSection(false);
    arbol_->header()->setSectionResizeMode(ModeloEstructura::ColumnaCodigo,
                                           QHeaderView::ResizeToContents);
    arbol_->header()->setSectionResizeMode(ModeloEstructura::ColumnaDescripcion,
                                           QHeaderView::Stretch);
    arbol_->header()->setSectionResizeMode(ModeloEstructura::ColumnaNivel,
                                           QHeaderView::ResizeToContents);
    arbol_->header()->setSectionResizeMode(ModeloEstructura::ColumnaCantidad,
                                           QHeaderView::ResizeToContents);
    columnaIzquierda->addWidget(arbol_, 1);

    // Under the tree, the selected item's fields, one a line, so that the record keeps the width.
    auto* grupoArticulo = new QGroupBox(QStringLiteral("Artículo"));
    grupoArticulo->setObjectName(QStringLiteral("GrupoArticulo"));
    auto* campos = new QFormLayout(grupoArticulo);
    campos->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const auto campo = [&](const char* nombre, int ancho = 0) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(nombre));
        if (ancho > 0) edit->setMaximumWidth(ancho);
        connect(edit, &QLineEdit::editingFinished, this, [this] { Ejecutar([] {}); });
        return edit;
    };
    EditCodigo_ = campo("EditCodigo", 160);
    EditDescripcion_ = campo("EditDescripcion");
    EditTS_ = campo("EditTSArticulo", 60);
    Editss_ = campo("EditssArticulo", 60);
    EditCE_ = campo("EditCEArticulo", 140);
    EditCP_ = campo("EditCPArticulo", 140);
    ComboLotificacion_ = new QComboBox;
    ComboLotificacion_->setObjectName(QStringLiteral("ComboLotificacion"));
    for (const MetodoLotificacion& metodo : MetodosLotificacion)
        ComboLotificacion_->addItem(TextoLotificacion(metodo.Codigo), metodo.Codigo);
    EtiquetaNivel_ = new QLabel;
    EtiquetaNivel_->setObjectName(QStringLiteral("EtiquetaNivel"));
    campos->addRow(QStringLiteral("Código:"), EditCodigo_);
    campos->addRow(QStringLiteral("Descripción:"), EditDescripcion_);
    campos->addRow(QStringLiteral("Tiempo de suministro:"), EditTS_);
    campos->addRow(QStringLiteral("Stock de seguridad:"), Editss_);
    campos->addRow(QStringLiteral("Coste de emisión:"), EditCE_);
    campos->addRow(QStringLiteral("Coste de posesión:"), EditCP_);
    campos->addRow(QStringLiteral("Lotificación:"), ComboLotificacion_);
    campos->addRow(QStringLiteral("Nivel:"), EtiquetaNivel_);
    columnaIzquierda->addWidget(grupoArticulo);
    division->addWidget(izquierda);

    auto* derecha = new QWidget;
    auto* columnaDerecha = new QVBoxLayout(derecha);
    EstadoRegistro_ = new QLabel;
    EstadoRegistro_->setObjectName(QStringLiteral("EstadoRegistro"));
    EstadoRegistro_->setWordWrap(true);
    columnaDerecha->addWidget(EstadoRegistro_);
    SG_ = new RejillaProyecto;
    SG_->setObjectName(QStringLiteral("SGProyecto"));
    columnaDerecha->addWidget(SG_, 1);
    division->addWidget(derecha);
    division->setStretchFactor(0, 0);
    division->setStretchFactor(1, 1);
    division->setSizes({300, 850});
    setCentralWidget(division);

    connect(EditNPeriodos_, &QLineEdit::editingFinished, this, [this] { Ejecutar([] {}); });
    connect(CheckBoxRedondear_, &QCheckBox::clicked, this, [this] { Ejecutar([] {}); });
    connect(ComboLotificacion_, &QComboBox::activated, this, [this] { Ejecutar([] {}); });
    connect(arbol_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& actual) {
                if (refrescando_) return;
                const int elegido = modelo_->Articulo(actual);
                Ejecutar([this, elegido] {
                    if (elegido < 0 || elegido == articulo_) return;
                    articulo_ = elegido;
                    MostrarArticulo();
                    MostrarRejilla();
                    MostrarPaneles();
                });
            });
    connect(modelo_, &ModeloEstructura::CantidadTecleada, this,
            [this](int padre, int posicion, const QString& texto) {
                // Left to the event loop: the tree's editor is still closing.
                QMetaObject::invokeMethod(
                    this,
                    [this, padre, posicion, texto] {
                        Ejecutar([&] { CambiarCantidad(padre, posicion, texto); });
                    },
                    Qt::QueuedConnection);
            });

    // Typing, pasting and deleting reach the project once the grid has taken them.
    connect(SG_->model(), &QAbstractItemModel::dataChanged, this, [this] {
        if (refrescando_ || rejillaPendiente_) return;
        rejillaPendiente_ = true;
        QMetaObject::invokeMethod(
            this, [this] { Ejecutar([] {}); }, Qt::QueuedConnection);
    });
    connect(SG_, &RejillaProyecto::CeldaCalculadaPedida, this,
            [this] { Informar(MensajeCeldaCalculada()); });
    connect(SG_, &RejillaTexto::Copiadas, this,
            [this](int celdas) { Informar(MensajeCopiado(celdas)); });
    connect(SG_, &RejillaTexto::Pegadas, this, [this](const ResultadoPegado& pegado) {
        Ejecutar([] {});
        Informar(MensajePegado(pegado));
    });
    connect(SG_, &RejillaTexto::Borradas, this, [this](int celdas) {
        Ejecutar([] {});
        Informar(MensajeBorrado(celdas));
    });
    connect(SG_, &RejillaTexto::TeclaPulsada, this, [this](int tecla) {
        // As in the main window: Enter moves one column right.
        if (tecla == Qt::Key_Return && SG_->ColumnaActual() < SG_->Columnas() - 1)
            SG_->PonerCeldaActual(SG_->ColumnaActual() + 1, SG_->FilaActual());
    });
}

// Menus and tool bar from the one table, as the main window makes its own.
void TFormProyecto::CrearOrdenes() {
    std::map<LugarProyecto, QMenu*> menus;
    for (const MenuProyecto& menu : MenusProyecto()) {
        QMenu* nuevo = menuBar()->addMenu(Texto(menu.texto));
        nuevo->setObjectName(Texto(menu.nombre));
        menus[menu.lugar] = nuevo;
    }
    QToolBar* barra = CrearBarraHerramientas(*this, QStringLiteral("BarraProyecto"));

    for (const OrdenProyecto& orden : OrdenesProyecto()) {
        const bool enBarra = orden.lugar == LugarProyecto::BarraHerramientas;
        if (!orden.nombre) {
            if (enBarra)
                barra->addSeparator();
            else
                menus.at(orden.lugar)->addSeparator();
            continue;
        }
        const QIcon imagen = orden.imagen ? QIcon(Texto(orden.imagen)) : QIcon();
        const ManejadorProyecto manejador = orden.manejador;
        if (enBarra) {
            QToolButton* boton = AnadirBoton(*barra, Texto(orden.nombre), Texto(orden.texto),
                                             imagen, orden.pista ? Texto(orden.pista) : QString());
            connect(boton, &QToolButton::clicked, this, [this, manejador] { Ejecutar(manejador); });
            continue;
        }
        QAction* accion = menus.at(orden.lugar)->addAction(imagen, Texto(orden.texto));
        accion->setObjectName(Texto(orden.nombre));
        if (orden.tecla == TeclaProyecto::Deshacer) accion->setShortcut(QKeySequence::Undo);
        if (orden.tecla == TeclaProyecto::Rehacer)
            accion->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
        connect(accion, &QAction::triggered, this, [this, manejador] { Ejecutar(manejador); });
    }

    // "Deshacer" and "Rehacer" say what they would undo and redo.
    auto* deshacer = findChild<QAction*>(QStringLiteral("Deshacer"));
    auto* rehacer = findChild<QAction*>(QStringLiteral("Rehacer"));
    const auto rotular = [=, this] {
        deshacer->setEnabled(pila_->canUndo());
        deshacer->setText(pila_->canUndo() ? QStringLiteral("&Deshacer ") + pila_->undoText()
                                           : QStringLiteral("&Deshacer"));
        rehacer->setEnabled(pila_->canRedo());
        rehacer->setText(pila_->canRedo() ? QStringLiteral("&Rehacer ") + pila_->redoText()
                                          : QStringLiteral("&Rehacer"));
    };
    connect(pila_, &QUndoStack::indexChanged, this, rotular);
    rotular();

    // The grid's context menu, as in the main window.
    SG_->addActions(menus.at(LugarProyecto::Edicion)->actions().mid(3));
    SG_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

// The views that follow the project, each a dock hidden until "Vista" opens it.
void TFormProyecto::CrearPaneles() {
    QMenu* vista = findChild<QMenu*>(QStringLiteral("MenuVistaProyecto"));

    PanelDiagrama_ = new PanelDiagrama(this);
    addDockWidget(Qt::RightDockWidgetArea, PanelDiagrama_);
    connect(PanelDiagrama_, &PanelDiagrama::ArticuloElegido, this,
            [this](int articulo) { Ejecutar([=, this] { SeleccionarArticulo(articulo); }); });

    PanelPoliticas_ = new PanelPoliticas(this);
    addDockWidget(Qt::BottomDockWidgetArea, PanelPoliticas_);
    connect(PanelPoliticas_, &PanelPoliticas::MetodoElegido, this, [this](TipoLotificacion metodo) {
        Ejecutar([=, this] { AplicarMetodoATodos(metodo); });
    });

    PanelGrafico_ = new QDockWidget(QStringLiteral("Gráfico del artículo"), this);
    PanelGrafico_->setObjectName(QStringLiteral("PanelGraficoArticulo"));
    GraficoArticulo_ = new VistaGrafico;
    GraficoArticulo_->setObjectName(QStringLiteral("GraficoArticulo"));
    PanelGrafico_->setWidget(GraficoArticulo_);
    addDockWidget(Qt::RightDockWidgetArea, PanelGrafico_);

    const std::pair<QDockWidget*, const char*> paneles[] = {
        {PanelDiagrama_, "E&structura del producto"},
        {PanelPoliticas_, "&Políticas"},
        {PanelGrafico_, "&Gráfico del artículo"},
    };
    for (const auto& [panel, texto] : paneles) {
        panel->hide();
        QAction* accion = panel->toggleViewAction();
        accion->setText(Texto(texto));
        accion->setObjectName(panel->objectName() + QStringLiteral("Vista"));
        vista->addAction(accion);
        // A panel shows what is there when it opens, and costs nothing while it is closed. The
        // first time it opens docked it takes room enough to be read.
        connect(panel, &QDockWidget::visibilityChanged, this, [this, panel](bool visible) {
            if (!visible) return;
            if (!panel->property("abierto").toBool() && !panel->isFloating()) {
                panel->setProperty("abierto", true);
                // Once the dock has taken its place in the layout.
                QMetaObject::invokeMethod(
                    this,
                    [this, panel] {
                        if (dockWidgetArea(panel) == Qt::BottomDockWidgetArea)
                            resizeDocks({panel}, {height() / 3}, Qt::Vertical);
                        else
                            resizeDocks({panel}, {width() / 3}, Qt::Horizontal);
                    },
                    Qt::QueuedConnection);
            }
            if (!refrescando_) Ejecutar([this] { MostrarPaneles(); });
        });
    }
}

void TFormProyecto::Ejecutar(ManejadorProyecto orden) {
    Ejecutar([this, orden] { (this->*orden)(); });
}

// Every command first takes what the user has typed: the field being edited, the grid's cell.
void TFormProyecto::Ejecutar(const std::function<void()>& orden) {
    SG_->ConfirmarEdicion();
    Protegido(plataforma_, this, [&] {
        ConfirmarCampos();
        ConfirmarRejilla();
        orden();
    });
}

void TFormProyecto::Informar(const QString& mensaje) {
    MensajeEstado_->setText(mensaje);
}

void TFormProyecto::Avisar(const QString& aviso, int articulo) {
    if (articulo >= 0) SeleccionarArticulo(articulo);
    plataforma_.Aviso(this, aviso);
}

bool TFormProyecto::Desactualizado() const {
    return resultado_ && *calculado_ != proyecto_;
}

void TFormProyecto::SeleccionarArticulo(int articulo, int padre) {
    if (articulo < 0 || articulo >= int(proyecto_.Articulos.size())) return;
    const QModelIndex indice = modelo_->IndiceDe(articulo, padre);
    for (QModelIndex arriba = indice.parent(); arriba.isValid(); arriba = arriba.parent())
        arbol_->expand(arriba);
    const bool cambia = articulo != articulo_;
    articulo_ = articulo;
    {
        const bool antes = std::exchange(refrescando_, true);
        arbol_->setCurrentIndex(indice);
        arbol_->scrollTo(indice);
        refrescando_ = antes;
    }
    if (!cambia || refrescando_) return;
    MostrarArticulo();
    MostrarRejilla();
    MostrarPaneles();
}

// After a change of the project: the tree made again if its shape changed, keeping the branches
// the user had open and the item shown.
void TFormProyecto::Refrescar() {
    const bool antes = std::exchange(refrescando_, true);
    QList<QStringList> abiertas;
    std::vector<QModelIndex> pendientes{QModelIndex()};
    while (!pendientes.empty()) {
        const QModelIndex padre = pendientes.back();
        pendientes.pop_back();
        for (int fila = 0; fila < modelo_->rowCount(padre); ++fila) {
            const QModelIndex hijo = modelo_->index(fila, 0, padre);
            if (!arbol_->isExpanded(hijo)) continue;
            abiertas << modelo_->Ruta(hijo);
            pendientes.push_back(hijo);
        }
    }
    const QModelIndex actual = arbol_->currentIndex();
    const int padreActual = modelo_->Articulo(actual) == articulo_ ? modelo_->Padre(actual) : -1;
    const QStringList rutaActual = modelo_->Ruta(actual);
    modelo_->Actualizar();
    for (const QStringList& ruta : abiertas) arbol_->expand(modelo_->IndiceDeRuta(ruta));

    const int n = int(proyecto_.Articulos.size());
    if (articulo_ >= n) articulo_ = n - 1;
    if (articulo_ < 0 && n > 0) articulo_ = 0;
    QModelIndex indice = modelo_->IndiceDeRuta(rutaActual);
    if (modelo_->Articulo(indice) != articulo_) indice = modelo_->IndiceDe(articulo_, padreActual);
    for (QModelIndex arriba = indice.parent(); arriba.isValid(); arriba = arriba.parent())
        arbol_->expand(arriba);
    arbol_->setCurrentIndex(indice);

    diagramaAlDia_ = false;
    MostrarArticulo();
    MostrarRejilla();
    MostrarPaneles();
    MostrarTitulo();
    refrescando_ = antes;
}

void TFormProyecto::MostrarTitulo() {
    const QString nombre =
        fichero_.isEmpty() ? QStringLiteral("sin nombre") : QFileInfo(fichero_).fileName();
    setWindowTitle(QStringLiteral("Proyecto MRP — %1[*]").arg(nombre));
    setWindowModified(Modificado());
}

// The fields of the selected item and of the project, as the project holds them.
void TFormProyecto::MostrarArticulo() {
    const auto poner = [](QLineEdit* campo, const QString& texto) {
        if (campo->text() != texto) campo->setText(texto);
    };
    poner(EditNPeriodos_, QString::number(proyecto_.N));
    CheckBoxRedondear_->setChecked(proyecto_.Redondear);

    const bool hay = articulo_ >= 0;
    for (QWidget* campo : std::initializer_list<QWidget*>{
             EditCodigo_, EditDescripcion_, EditTS_, Editss_, EditCE_, EditCP_, ComboLotificacion_})
        campo->setEnabled(hay);
    if (!hay) {
        for (QLineEdit* campo : {EditCodigo_, EditDescripcion_, EditTS_, Editss_, EditCE_, EditCP_})
            poner(campo, QString());
        ComboLotificacion_->setCurrentIndex(-1);
        EtiquetaNivel_->clear();
        return;
    }
    const ArticuloProyecto& articulo = proyecto_.Articulos[std::size_t(articulo_)];
    poner(EditCodigo_, articulo.Codigo);
    poner(EditDescripcion_, articulo.Descripcion);
    poner(EditTS_, QString::number(articulo.Datos.TS));
    poner(Editss_, FloatToStr(articulo.Datos.SS));
    poner(EditCE_, FloatToStr(articulo.Datos.CE));
    poner(EditCP_, FloatToStr(articulo.Datos.CP));
    ComboLotificacion_->setCurrentIndex(ComboLotificacion_->findData(articulo.Datos.Metodo));
    const std::optional<EstructuraProyecto>& estructura = modelo_->Arbol().Estructura;
    EtiquetaNivel_->setText(
        estructura ? QString::number(estructura->Niveles[std::size_t(articulo_)]) : QString());
}

std::optional<int> TFormProyecto::ArticuloCalculado() const {
    if (!resultado_ || articulo_ < 0) return std::nullopt;
    const int indice =
        IndiceArticulo(*calculado_, proyecto_.Articulos[std::size_t(articulo_)].Codigo);
    if (indice < 0) return std::nullopt;
    return indice;
}

std::optional<ResultadoCalculo> TFormProyecto::CalculoDelArticulo() const {
    const std::optional<int> indice = ArticuloCalculado();
    if (!indice) return std::nullopt;
    return ResultadoDelArticulo(*calculado_, *resultado_, *indice);
}

// The record of the last explosion under the inputs of now; where they differ, the figures are
// marked as the previous data's.
void TFormProyecto::MostrarRejilla() {
    const bool antes = std::exchange(refrescando_, true);
    const std::int32_t N = std::clamp(proyecto_.N, 0, MaxPeriodos);
    const std::optional<ResultadoCalculo> calculo = CalculoDelArticulo();
    TextosCelda celdas;
    if (articulo_ >= 0) {
        celdas = CeldasArticulo(proyecto_, articulo_, calculo ? &*calculo : nullptr);
    } else {
        celdas = CeldasIniciales(N);
        celdas.PonerCelda(0, FilaDI, EtiquetaDI);
    }
    articuloRejilla_ = articulo_;
    SG_->PonerPeriodos(articulo_ >= 0 ? N : 0);
    SG_->PonerTextos(celdas);
    SG_->PonerFilas(FilasRejillaArticulo);
    SG_->PonerColumnas(N + 2);
    SG_->PonerColumnaNegrita(N + 1);

    // What the user types is shaded; a gross requirement says where it comes from.
    MarcasCeldas propias;
    if (articulo_ >= 0)
        for (const int fila : {int(FilaD), int(FilaRP), FilaDI})
            for (int columna = 1; columna <= N; ++columna)
                if (CeldaDeEntrada(columna, fila, N))
                    propias.insert(QPoint(columna, fila), {{}, FondoEntrada, {}});
    if (calculo) {
        const QStringList textos =
            OrigenNecesidadesBrutas(*calculado_, *resultado_, *ArticuloCalculado());
        for (qsizetype t = 0; t < textos.size(); ++t)
            if (!textos[t].isEmpty())
                propias.insert(QPoint(int(t) + 1, FilaNB), {{}, {}, textos[t]});
    }
    SG_->PonerMarcas(CapaProyecto, propias);
    MarcasCeldas anteriores;
    if (calculo && Desactualizado())
        for (int fila = FilaNB; fila <= FilaCTotal; ++fila)
            for (int columna = 1; columna <= calculo->Problema.N + 1; ++columna)
                if (!CeldaDeEntrada(columna, fila, N) && !celdas.Celda(columna, fila).isEmpty())
                    anteriores.insert(QPoint(columna, fila),
                                      {TextoAnterior, {}, MensajeResultadoAnterior()});
    SG_->PonerMarcas(CapaDesactualizada, anteriores);
    SG_->AjustarColumnas();

    QString estado;
    if (articulo_ < 0)
        estado = QStringLiteral("Añada un artículo con «Añadir artículo».");
    else if (!calculo)
        estado = MensajeSinCalcular() + '.';
    else if (Desactualizado())
        estado = MensajeResultadoAnterior() + '.';
    else
        estado = QStringLiteral("Registro de «%1» con %2. Pase el ratón por las necesidades "
                                "brutas (NB) para ver de dónde vienen.")
                     .arg(proyecto_.Articulos[std::size_t(articulo_)].Codigo,
                          TextoLotificacion(calculo->Metodo).isEmpty()
                              ? QStringLiteral("sus datos solamente: no tiene necesidades brutas")
                              : TextoLotificacion(calculo->Metodo));
    EstadoRegistro_->setText(estado);
    refrescando_ = antes;
}

void TFormProyecto::MostrarPaneles() {
    if (PanelDiagrama_->isVisible()) {
        if (!std::exchange(diagramaAlDia_, true)) PanelDiagrama_->Mostrar(proyecto_);
        PanelDiagrama_->Seleccionar(articulo_);
    }
    if (PanelPoliticas_->isVisible()) {
        if (resultado_ && !politicas_) politicas_ = CompararPoliticas(*calculado_);
        PanelPoliticas_->Mostrar(politicas_, Desactualizado());
    }
    if (PanelGrafico_->isVisible()) {
        if (const std::optional<ResultadoCalculo> calculo = CalculoDelArticulo())
            GraficoArticulo_->Mostrar(GraficoPlan(*calculo));
        else
            GraficoArticulo_->Vaciar(MensajeSinCalcular());
        PanelGrafico_->setWindowTitle(Desactualizado()
                                          ? QStringLiteral("Gráfico del artículo (resultado "
                                                           "anterior a los cambios)")
                                          : QStringLiteral("Gráfico del artículo"));
    }
}
