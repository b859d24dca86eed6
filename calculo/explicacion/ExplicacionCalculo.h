// How a calculation made its plan: the decisions the engine reported while it made it, heard by
// the explanation of the method that made it and kept with the calculation's result.
#pragma once

#include "Articulo.h"
#include "ExplicacionMetodo.h"

#include <memory>

struct ExplicacionCalculo {
    // The method whose decisions were heard, after "Mejor de las anteriores" the winner; -1 after
    // a manual calculation and when no method was selected.
    TipoLotificacion Metodo = -1;
    // What they were; null when nothing was planned. Shared: a result is copied, its
    // explanation never changes.
    std::shared_ptr<const ExplicacionMetodo> Decisiones;
};

// Plans the table with the item's method as Lotificar does, the very same plan, recording every
// decision. After "Mejor de las anteriores" metodo holds the winner, whose own decisions are
// recorded too. Throws as Lotificar.
ExplicacionCalculo LotificarExplicando(const Articulo& articulo, TTablaMRP& tabla,
                                       TipoLotificacion& metodo);

// Re-projects the releases typed in the table as Reproyectar does, recording where each one is
// received.
ExplicacionCalculo ReproyectarExplicando(const Articulo& articulo, TTablaMRP& tabla);
