// Where the product structure diagram puts its boxes and arrows: one box per item, a band per
// level from level 0 at the top, and an arrow from every parent to each of its components. Plain
// geometry: the window draws it.
#pragma once

#include "EstructuraProyecto.h"

#include <QPointF>
#include <QSizeF>

#include <vector>

struct CajaDiagrama {
    int Articulo = 0;
    QPointF Centro;
};

struct FlechaDiagrama {
    int Padre = 0;
    int Componente = 0;
    double Cantidad = 1; // per unit of the parent
};

struct DiagramaEstructura {
    std::vector<CajaDiagrama> Cajas; // by item, in the project's order
    std::vector<FlechaDiagrama> Flechas;
    QSizeF Tamano; // of everything, from (0, 0)
};

// The boxes of one level go in the order of the mean position of their parents, so that arrows
// cross little, and of the project within equal means; a level of more than porFila boxes wraps
// onto further rows, so that a wide level stays readable without shrinking. caja is every box's
// size.
DiagramaEstructura DisponerDiagrama(const Proyecto& proyecto, const EstructuraProyecto& estructura,
                                    QSizeF caja, int porFila);
