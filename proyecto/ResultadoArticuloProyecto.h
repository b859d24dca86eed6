// One item of an exploded project as a one-item problem: the item the engine planned, and its
// result in the form every view of one item reads, for its .sol, its chart and its report.
#pragma once

#include "ExplosionProyecto.h"
#include "ResultadoCalculo.h"

// The item with the project's horizon and rounding, the method it was planned with and its gross
// requirements as worked out: what a .lot of it holds. CalcularSeleccionada of it makes the very
// plan the explosion made, with its explanation and comparison.
Articulo ArticuloPlanificado(const Proyecto& proyecto, const ResultadoProyecto& resultado,
                             int indice);

// The explosion's plan of the item with its costs, as a calculation leaves it, without the
// explanation and the comparison (CalcularSeleccionada adds them). An item that was not planned
// gives the record of its inputs, and no method.
ResultadoCalculo ResultadoDelArticulo(const Proyecto& proyecto, const ResultadoProyecto& resultado,
                                      int indice);
