// The panels' chart view.
#include "VistaGrafico.h"

#include "Grafico.h"

VistaGrafico::VistaGrafico(QWidget* padre) : QChartView(padre) {
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(320, 240);
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
}
