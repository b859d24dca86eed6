// RejillaTexto: a table view dressed as a plain string grid. The fixed row and column are the
// view's headers, so they stay in place while the cells scroll.
#include "RejillaTexto.h"

#include "DelegadoRejilla.h"
#include "ModeloRejilla.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {
// The keypad's Enter is the same key to the grid's users as the main one.
int TeclaNormalizada(int tecla) {
    return tecla == Qt::Key_Enter ? int(Qt::Key_Return) : tecla;
}

bool EsBorrado(const QKeyEvent& evento) {
    return (evento.key() == Qt::Key_Delete || evento.key() == Qt::Key_Backspace) &&
           evento.modifiers() == Qt::NoModifier;
}
} // namespace

RejillaTexto::RejillaTexto(QWidget* padre) : QTableView(padre), modelo_(new ModeloRejilla(this)) {
    setModel(modelo_);

    auto* delegado = new DelegadoRejilla(this);
    setItemDelegate(delegado);
    connect(delegado, &DelegadoRejilla::EdicionCerradaConEnter, this,
            [this] { emit TeclaPulsada(Qt::Key_Return); });
    // A block pasted while a cell is typed into replaces the typing, from that cell on.
    connect(delegado, &DelegadoRejilla::BloquePegadoEnEdicion, this, [this](QWidget* editor) {
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        Pegar();
    });
    connect(delegado, &DelegadoRejilla::SalidaPedida, this, &RejillaTexto::salir);

    setEditTriggers(AnyKeyPressed | DoubleClicked | EditKeyPressed);
    setSelectionMode(ContiguousSelection);
    setSelectionBehavior(SelectItems);
    setSortingEnabled(false);
    setAlternatingRowColors(false);
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);

    QHeaderView* columnasFijas = horizontalHeader();
    columnasFijas->setMinimumSectionSize(0);
    columnasFijas->setDefaultSectionSize(AnchoColumnaDefecto);
    columnasFijas->setSectionResizeMode(QHeaderView::Interactive);
    columnasFijas->setFixedHeight(AltoFilaDefecto);
    columnasFijas->setStretchLastSection(false);
    connect(columnasFijas, &QHeaderView::sectionResized, this, [this](int seccion, int, int ancho) {
        if (!ajustandoColumnas_) anchosUsuario_.insert(seccion + 1, ancho);
    });

    QHeaderView* filasFijas = verticalHeader();
    filasFijas->setMinimumSectionSize(0);
    filasFijas->setDefaultSectionSize(AltoFilaDefecto);
    filasFijas->setSectionResizeMode(QHeaderView::Fixed);
    filasFijas->setMinimumWidth(AnchoColumnaDefecto);

    for (QHeaderView* cabecera : {columnasFijas, filasFijas}) {
        cabecera->setSectionsMovable(false);
        cabecera->setSectionsClickable(false);
        cabecera->setHighlightSections(false);
        cabecera->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // Past the last row or column there are no fixed cells, only the grid's own background.
        QPalette colores = cabecera->palette();
        colores.setColor(QPalette::Window, colores.color(QPalette::Base));
        cabecera->setPalette(colores);
    }

    asegurarCeldaActual();
}

// The view's own teardown resizes sections; by then the widths the user set are gone.
RejillaTexto::~RejillaTexto() {
    horizontalHeader()->disconnect(this);
}

QString RejillaTexto::Celda(int columna, int fila) const {
    return modelo_->Celda(columna, fila);
}

void RejillaTexto::PonerCelda(int columna, int fila, const QString& texto) {
    modelo_->PonerCelda(columna, fila, texto);
}

const TextosCelda& RejillaTexto::Textos() const {
    return modelo_->Textos();
}

void RejillaTexto::PonerTextos(const TextosCelda& textos) {
    modelo_->PonerTextos(textos);
}

int RejillaTexto::Columnas() const {
    return modelo_->Columnas();
}

void RejillaTexto::PonerColumnas(int columnas) {
    ajustandoColumnas_ = true;
    modelo_->PonerColumnas(columnas);
    ajustandoColumnas_ = false;
    asegurarCeldaActual();
}

int RejillaTexto::Filas() const {
    return modelo_->Filas();
}

void RejillaTexto::PonerFilas(int filas) {
    modelo_->PonerFilas(filas);
    asegurarCeldaActual();
}

int RejillaTexto::ColumnaActual() const {
    const QModelIndex actual = currentIndex();
    return actual.isValid() ? actual.column() + 1 : 1;
}

int RejillaTexto::FilaActual() const {
    const QModelIndex actual = currentIndex();
    return actual.isValid() ? actual.row() + 1 : 1;
}

void RejillaTexto::PonerCeldaActual(int columna, int fila) {
    if (columna < 1 || columna >= Columnas() || fila < 1 || fila >= Filas()) return;
    setCurrentIndex(modelo_->index(fila - 1, columna - 1));
}

void RejillaTexto::Pintar(QPainter& pintor, QPointF origen) {
    const QPaintDevice* destino = pintor.device();
    const qreal escalaX = qreal(destino->logicalDpiX()) / logicalDpiX();
    const qreal escalaY = qreal(destino->logicalDpiY()) / logicalDpiY();
    pintor.save();
    pintor.translate(origen);
    pintor.scale(escalaX, escalaY);
    render(&pintor, QPoint(), QRegion(), DrawChildren);
    pintor.restore();
}

void RejillaTexto::ConfirmarEdicion() {
    if (state() != QAbstractItemView::EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void RejillaTexto::PonerColumnaNegrita(int columna) {
    modelo_->PonerColumnaNegrita(columna);
}

void RejillaTexto::PonerMarcas(int capa, const MarcasCeldas& marcas, DuracionMarcas duracion) {
    modelo_->PonerMarcas(capa, marcas, duracion);
}

void RejillaTexto::AjustarColumnas() {
    ajustandoColumnas_ = true;
    for (int columna = 1; columna < Columnas(); ++columna)
        setColumnWidth(columna - 1, std::max({AnchoColumnaDefecto, anchoTextos(columna),
                                              anchosUsuario_.value(columna)}));
    ajustandoColumnas_ = false;
}

// As the delegate paints them: margins and the bold of a column included; every row counts,
// also those scrolled out of view.
int RejillaTexto::anchoTextos(int columna) const {
    QStyleOptionViewItem opcion;
    initViewItemOption(&opcion);
    int ancho = horizontalHeader()->sectionSizeHint(columna - 1);
    for (int fila = 1; fila < Filas(); ++fila)
        ancho = std::max(
            ancho, itemDelegate()->sizeHint(opcion, modelo_->index(fila - 1, columna - 1)).width());
    return ancho + (showGrid() ? 1 : 0);
}

RangoCeldas RejillaTexto::Seleccion() const {
    const QItemSelection seleccion = selectionModel()->selection();
    if (seleccion.isEmpty()) return {ColumnaActual(), FilaActual(), 1, 1};
    int izquierda = seleccion.first().left(), derecha = seleccion.first().right();
    int arriba = seleccion.first().top(), abajo = seleccion.first().bottom();
    for (const QItemSelectionRange& parte : seleccion) {
        izquierda = std::min(izquierda, parte.left());
        derecha = std::max(derecha, parte.right());
        arriba = std::min(arriba, parte.top());
        abajo = std::max(abajo, parte.bottom());
    }
    return {izquierda + 1, arriba + 1, derecha - izquierda + 1, abajo - arriba + 1};
}

void RejillaTexto::Copiar() {
    const RangoCeldas rango = Seleccion();
    QGuiApplication::clipboard()->setText(TextoDeRango(Textos(), rango));
    emit Copiadas(rango.Celdas());
}

void RejillaTexto::Pegar() {
    TextosCelda textos = Textos();
    const ResultadoPegado pegado =
        PegarBloque(textos, DividirBloque(QGuiApplication::clipboard()->text()), ColumnaActual(),
                    FilaActual(), Columnas(), Filas(), columnasMaximas_, filasMaximas_);
    PonerTextos(textos);
    const RangoCeldas& abarcado = pegado.abarcado;
    if (pegado.celdas > 0) {
        const int derecha = std::min(abarcado.columna + abarcado.columnas, Columnas()) - 1;
        const int abajo = std::min(abarcado.fila + abarcado.filas, Filas()) - 1;
        selectionModel()->select(
            QItemSelection(modelo_->index(abarcado.fila - 1, abarcado.columna - 1),
                           modelo_->index(abajo - 1, derecha - 1)),
            QItemSelectionModel::ClearAndSelect);
    }
    emit Pegadas(pegado);
}

void RejillaTexto::PonerExtensionMaxima(int columnas, int filas) {
    columnasMaximas_ = columnas;
    filasMaximas_ = filas;
}

void RejillaTexto::BorrarSeleccion() {
    const RangoCeldas rango = Seleccion();
    TextosCelda textos = Textos();
    BorrarRango(textos, rango);
    PonerTextos(textos);
    emit Borradas(rango.Celdas());
}

void RejillaTexto::keyPressEvent(QKeyEvent* evento) {
    emit TeclaPulsada(TeclaNormalizada(evento->key()));
    const bool control = evento->modifiers() & Qt::ControlModifier;
    if (evento->matches(QKeySequence::Copy))
        Copiar();
    else if (evento->matches(QKeySequence::Paste))
        Pegar();
    else if (EsBorrado(*evento))
        BorrarSeleccion();
    else if (control && evento->key() == Qt::Key_Tab)
        salir(!(evento->modifiers() & Qt::ShiftModifier));
    else if (control && evento->key() == Qt::Key_Backtab)
        salir(false);
    else
        QTableView::keyPressEvent(evento);
}

// Past the cells' own Tab navigation, to the control before or after the grid.
void RejillaTexto::salir(bool siguiente) {
    QWidget::focusNextPrevChild(siguiente);
}

// A string grid always has a current cell; a shrinking count must not leave it nowhere.
void RejillaTexto::asegurarCeldaActual() {
    const QModelIndex actual = currentIndex();
    if (actual.isValid()) return;
    setCurrentIndex(modelo_->index(0, 0));
}
