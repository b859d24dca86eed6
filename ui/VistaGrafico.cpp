// The panels' chart view.
#include "VistaGrafico.h"

#include "Grafico.h"

#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QLegend>
#include <QLegendMarker>
#include <QVBoxLayout>

namespace {
// Small enough for two charts in the experiments window as it opens, large enough that a chart
// squeezed by its neighbours keeps its axes and bars rather than an empty frame.
constexpr QSize TamanoMinimo(280, 200);
} // namespace

VistaGrafico::VistaGrafico(QWidget* padre) : QWidget(padre) {
    setMinimumSize(TamanoMinimo);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->setContentsMargins(0, 0, 0, 0);
}

void VistaGrafico::Mostrar(const DatosGrafico& datos) {
    datos_ = datos;
    mensaje_.clear();
    pendiente_ = true;
    Actualizar();
}

void VistaGrafico::Vaciar(const QString& mensaje) {
    datos_.reset();
    mensaje_ = mensaje;
    pendiente_ = true;
    Actualizar();
}

void VistaGrafico::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    Actualizar();
}

void VistaGrafico::Actualizar() {
    if (!pendiente_ || !isVisible()) return;
    pendiente_ = false;
    if (!vista_) {
        vista_ = new QChartView(this);
        vista_->setObjectName(objectName() + QStringLiteral("Vista"));
        vista_->setRenderHint(QPainter::Antialiasing);
        layout()->addWidget(vista_);
    }
    DatosGrafico vacio;
    vacio.Titulo = mensaje_;
    // The view takes the new chart and lets go of the old one, which is then ours to delete.
    QChart* anterior = vista_->chart();
    vista_->setChart(CrearGrafico(datos_ ? *datos_ : vacio));
    delete anterior;
    fuenteLeyenda_.reset();
    ColocarLeyenda();
}

void VistaGrafico::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    if (vista_) ColocarLeyenda();
}

void VistaGrafico::ColocarLeyenda() {
    QLegend* leyenda = vista_->chart()->legend();
    if (!fuenteLeyenda_) fuenteLeyenda_ = leyenda->font();
    // Each entry is its text, its marker and the room around them.
    const auto ancho = [&](const QFont& fuente) {
        const QFontMetricsF medida(fuente);
        qreal total = 2 * medida.height();
        for (const QLegendMarker* marca : leyenda->markers())
            if (marca->isVisible())
                total += medida.horizontalAdvance(marca->label()) + 3 * medida.height();
        return total;
    };
    // Below the chart, in a slightly smaller type when that keeps its texts whole there, and
    // beside it otherwise: the plot keeps its width where it can.
    QFont menor = *fuenteLeyenda_;
    menor.setPointSizeF(fuenteLeyenda_->pointSizeF() - 1);
    if (ancho(*fuenteLeyenda_) <= width()) {
        leyenda->setFont(*fuenteLeyenda_);
        leyenda->setAlignment(Qt::AlignBottom);
    } else if (ancho(menor) <= width()) {
        leyenda->setFont(menor);
        leyenda->setAlignment(Qt::AlignBottom);
    } else {
        leyenda->setFont(*fuenteLeyenda_);
        leyenda->setAlignment(Qt::AlignRight);
    }
}
