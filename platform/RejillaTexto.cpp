// RejillaTexto: a table view dressed as a plain string grid. The fixed row and column are the
// view's headers, so they stay in place while the cells scroll.
#include "RejillaTexto.h"

#include "DelegadoRejilla.h"
#include "ModeloRejilla.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPaintDevice>
#include <QPainter>

namespace {
// The keypad's Enter is the same key to the grid's users as the main one.
int TeclaNormalizada(int tecla) {
    return tecla == Qt::Key_Enter ? int(Qt::Key_Return) : tecla;
}
} // namespace

RejillaTexto::RejillaTexto(QWidget* padre) : QTableView(padre), modelo_(new ModeloRejilla(this)) {
    setModel(modelo_);

    auto* delegado = new DelegadoRejilla(this);
    setItemDelegate(delegado);
    connect(delegado, &DelegadoRejilla::EdicionCerradaConEnter, this,
            [this] { emit TeclaPulsada(Qt::Key_Return); });

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

RejillaTexto::~RejillaTexto() = default;

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
    modelo_->PonerColumnas(columnas);
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

void RejillaTexto::keyPressEvent(QKeyEvent* evento) {
    emit TeclaPulsada(TeclaNormalizada(evento->key()));
    QTableView::keyPressEvent(evento);
}

// A string grid always has a current cell; a shrinking count must not leave it nowhere.
void RejillaTexto::asegurarCeldaActual() {
    const QModelIndex actual = currentIndex();
    if (actual.isValid()) return;
    setCurrentIndex(modelo_->index(0, 0));
}
