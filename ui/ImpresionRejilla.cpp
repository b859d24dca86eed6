// One page: the grid as it shows on screen, at its on-screen size on paper.
#include "ImpresionRejilla.h"

#include "RejillaTexto.h"

#include <QPainter>

#include <stdexcept>

void ImprimirRejilla(RejillaTexto& SG, QPaintDevice& dispositivo) {
    QPainter pintor;
    if (!pintor.begin(&dispositivo)) throw std::runtime_error("No se pudo empezar a imprimir.");
    SG.Pintar(pintor, QPointF(10, 10));
    if (!pintor.end()) throw std::runtime_error("No se pudo terminar de imprimir.");
}
