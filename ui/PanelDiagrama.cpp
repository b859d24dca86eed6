// The structure diagram drawn from its layout.
#include "PanelDiagrama.h"

#include "ArbolEstructura.h"
#include "DiagramaEstructura.h"
#include "Numeros.h"
#include "ValidacionProyecto.h"

#include <QFontMetricsF>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QMouseEvent>
#include <QPen>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int CajasPorFila = 6;
constexpr double Margen = 8;
// Below this the texts of a box can no longer be read; the view scrolls instead.
constexpr double EscalaLegible = 0.8;
constexpr double EscalaMinima = 0.1, EscalaMaxima = 4;

const QColor Borde(0x55, 0x55, 0x55);
const QColor BordeElegido(0x1F, 0x4E, 0x9A);
const QColor FondoElegido(0xD6, 0xE4, 0xF7);
// Lighter than the boxes, which stay readable where many arrows cross.
const QColor Flecha(0x70, 0x70, 0x70, 170);

void Estilo(QGraphicsRectItem& caja, bool elegida) {
    caja.setPen(QPen(elegida ? BordeElegido : Borde, elegida ? 3 : 1));
    caja.setBrush(elegida ? FondoElegido : QColor(Qt::white));
}

// An arrow from the parent's bottom to the component's top, its head at the component and its
// quantity near it, so that arrows into one box keep their quantities apart.
void DibujarFlecha(QGraphicsScene& escena, QPointF desde, QPointF hasta, const QString& cantidad,
                   const QFont& fuente) {
    const QPen pluma(Flecha, 1.2);
    escena.addLine(QLineF(desde, hasta), pluma)->setZValue(-1);
    const QLineF linea(hasta, desde);
    const double angulo = std::atan2(linea.dy(), linea.dx());
    constexpr double Punta = 9, Abertura = 0.4;
    QPolygonF punta;
    punta << hasta
          << hasta + QPointF(std::cos(angulo + Abertura), std::sin(angulo + Abertura)) * Punta
          << hasta + QPointF(std::cos(angulo - Abertura), std::sin(angulo - Abertura)) * Punta;
    escena.addPolygon(punta, pluma, QBrush(Flecha))->setZValue(-1);

    QGraphicsSimpleTextItem* texto = escena.addSimpleText(QStringLiteral("×") + cantidad, fuente);
    const QPointF sitio = linea.pointAt(0.3);
    const QRectF caja = texto->boundingRect();
    texto->setPos(sitio - QPointF(caja.width() / 2, caja.height() / 2));
    auto* fondo = escena.addRect(texto->sceneBoundingRect().adjusted(-2, 0, 2, 0), Qt::NoPen,
                                 QBrush(QColor(255, 255, 255, 230)));
    fondo->setZValue(0.5);
    texto->setZValue(0.6);
}

} // namespace

VistaDiagrama::VistaDiagrama(QWidget* padre) : QGraphicsView(padre) {
    setRenderHint(QPainter::Antialiasing);
    setTransformationAnchor(AnchorUnderMouse);
    setDragMode(ScrollHandDrag);
    setBackgroundBrush(Qt::white);
}

void VistaDiagrama::Encajar() {
    if (!scene()) return;
    fitInView(scene()->itemsBoundingRect().adjusted(-Margen, -Margen, Margen, Margen),
              Qt::KeepAspectRatio);
    const double escala = std::clamp(transform().m11(), EscalaLegible, 1.0);
    setTransform(QTransform::fromScale(escala, escala));
}

void VistaDiagrama::wheelEvent(QWheelEvent* evento) {
    const double factor = std::pow(1.0015, evento->angleDelta().y());
    const double escala = std::clamp(transform().m11() * factor, EscalaMinima, EscalaMaxima);
    setTransform(QTransform::fromScale(escala, escala));
    evento->accept();
}

void VistaDiagrama::mousePressEvent(QMouseEvent* evento) {
    for (QGraphicsItem* item = itemAt(evento->position().toPoint()); item;
         item = item->parentItem())
        if (const QVariant articulo = item->data(0); articulo.isValid()) {
            emit CajaPulsada(articulo.toInt());
            break;
        }
    QGraphicsView::mousePressEvent(evento);
}

PanelDiagrama::PanelDiagrama(QWidget* padre)
    : QDockWidget(QStringLiteral("Estructura del producto"), padre),
      escena_(new QGraphicsScene(this)), vista_(new VistaDiagrama) {
    setObjectName(QStringLiteral("PanelDiagrama"));
    vista_->setObjectName(QStringLiteral("VistaDiagrama"));
    vista_->setScene(escena_);
    setWidget(vista_);
    connect(vista_, &VistaDiagrama::CajaPulsada, this, &PanelDiagrama::ArticuloElegido);
}

void PanelDiagrama::Mostrar(const Proyecto& proyecto) {
    escena_->clear();
    cajas_.clear();
    const QFont fuente = font();
    QFont negrita = fuente;
    negrita.setBold(true);

    const ArbolEstructura arbol = LeerArbol(proyecto);
    QString aviso;
    if (proyecto.Articulos.empty())
        aviso = QStringLiteral("El proyecto no tiene artículos: añada uno con «Añadir artículo».");
    else if (const std::optional<QStringList> ciclo = BuscarCiclo(proyecto))
        aviso = QStringLiteral("La estructura tiene un ciclo: ") + CadenaCiclo(*ciclo);
    else if (!arbol.Estructura)
        aviso = QStringLiteral("Algún componente no es ningún artículo del proyecto: «Calcular» "
                               "dice cuál.");
    if (!aviso.isEmpty()) {
        escena_->addSimpleText(aviso, fuente);
        encajados_ = 0;
        escena_->setSceneRect(escena_->itemsBoundingRect());
        vista_->resetTransform();
        return;
    }

    // As wide as the longest code, and room for a short description.
    const QFontMetricsF medida(negrita);
    const QFontMetricsF medidaDescripcion(fuente);
    double ancho = medidaDescripcion.horizontalAdvance(QStringLiteral("Descripción ab"));
    for (const ArticuloProyecto& articulo : proyecto.Articulos)
        ancho = std::max(ancho, medida.horizontalAdvance(articulo.Codigo));
    const QSizeF tamano(ancho + 2 * Margen, 2 * medida.height() + 2 * Margen);
    const DiagramaEstructura diagrama =
        DisponerDiagrama(proyecto, *arbol.Estructura, tamano, CajasPorFila);

    for (const FlechaDiagrama& flecha : diagrama.Flechas) {
        const QPointF padre = diagrama.Cajas[std::size_t(flecha.Padre)].Centro;
        const QPointF hijo = diagrama.Cajas[std::size_t(flecha.Componente)].Centro;
        DibujarFlecha(*escena_, padre + QPointF(0, tamano.height() / 2),
                      hijo - QPointF(0, tamano.height() / 2), FloatToStr(flecha.Cantidad), fuente);
    }
    for (const CajaDiagrama& caja : diagrama.Cajas) {
        const ArticuloProyecto& articulo = proyecto.Articulos[std::size_t(caja.Articulo)];
        auto* rectangulo = escena_->addRect(QRectF(QPointF(), tamano));
        rectangulo->setPos(caja.Centro - QPointF(tamano.width() / 2, tamano.height() / 2));
        rectangulo->setData(0, caja.Articulo);
        rectangulo->setZValue(1);
        rectangulo->setToolTip(
            articulo.Descripcion.isEmpty()
                ? articulo.Codigo
                : QStringLiteral("%1: %2").arg(articulo.Codigo, articulo.Descripcion));
        Estilo(*rectangulo, false);
        auto* codigo = new QGraphicsSimpleTextItem(articulo.Codigo, rectangulo);
        codigo->setFont(negrita);
        codigo->setPos((tamano.width() - codigo->boundingRect().width()) / 2, Margen);
        auto* descripcion = new QGraphicsSimpleTextItem(
            medidaDescripcion.elidedText(articulo.Descripcion, Qt::ElideRight,
                                         tamano.width() - Margen),
            rectangulo);
        descripcion->setFont(fuente);
        descripcion->setPos((tamano.width() - descripcion->boundingRect().width()) / 2,
                            Margen + medida.height());
        cajas_.push_back(rectangulo);
    }
    escena_->setSceneRect(escena_->itemsBoundingRect().adjusted(-Margen, -Margen, Margen, Margen));
    const int elegido = std::exchange(seleccionado_, -1);
    Seleccionar(elegido);
    // The user's zoom stays while the same items are drawn.
    if (std::exchange(encajados_, cajas_.size()) != cajas_.size()) vista_->Encajar();
}

void PanelDiagrama::Seleccionar(int articulo) {
    if (seleccionado_ >= 0 && seleccionado_ < int(cajas_.size()))
        Estilo(*cajas_[std::size_t(seleccionado_)], false);
    seleccionado_ = articulo;
    if (articulo < 0 || articulo >= int(cajas_.size())) return;
    Estilo(*cajas_[std::size_t(articulo)], true);
    vista_->ensureVisible(cajas_[std::size_t(articulo)], 20, 20);
}
