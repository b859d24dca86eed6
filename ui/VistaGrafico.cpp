// The panels' chart view.
#include "VistaGrafico.h"

#include "Grafico.h"

#include <QFontMetricsF>
#include <QLegend>
#include <QLegendMarker>

VistaGrafico::VistaGrafico(QWidget* padre) : QChartView(padre) {
    setRenderHint(QPainter::Antialiasing);
    // Small enough for two charts in the experiments window as it opens.
    setMinimumSize(240, 160);
}

void VistaGrafico::Mostrar(const DatosGrafico& datos) {
    datos_ = datos;
    Poner(CrearGrafico(datos));
}

void VistaGrafico::Vaciar(const QString& mensaje) {
    datos_.reset();
    DatosGrafico vacio;
    vacio.Titulo = mensaje;
    Poner(CrearGrafico(vacio));
}

// The view takes the new chart and lets go of the old one, which is then ours to delete.
void VistaGrafico::Poner(QChart* grafico) {
    QChart* anterior = chart();
    setChart(grafico);
    delete anterior;
    ColocarLeyenda();
}

void VistaGrafico::resizeEvent(QResizeEvent* evento) {
    QChartView::resizeEvent(evento);
    ColocarLeyenda();
}

void VistaGrafico::ColocarLeyenda() {
    QLegend* leyenda = chart()->legend();
    const QFontMetricsF medida(leyenda->font());
    // Each entry is its text, its marker and the room around them.
    qreal ancho = 0;
    for (const QLegendMarker* marca : leyenda->markers())
        if (marca->isVisible())
            ancho += medida.horizontalAdvance(marca->label()) + 3 * medida.height();
    leyenda->setAlignment(ancho <= width() - 2 * medida.height() ? Qt::AlignBottom
                                                                 : Qt::AlignRight);
}
