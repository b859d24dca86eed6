// The product structure as a tree shows it: the items at its top, each item's components below it,
// and the levels when the structure has them. It takes any project, also one that the checks would
// refuse, so that the user can see what is wrong with it.
#pragma once

#include "EstructuraProyecto.h"

#include <optional>
#include <vector>

struct ArbolEstructura {
    // Every item's components as positions, in its list's order; -1 for a code of no item.
    std::vector<std::vector<int>> Componentes;
    // The items nobody lists, in the project's order; then the first item, in that order, of every
    // cycle they do not lead to, so that every item shows somewhere.
    std::vector<int> Raices;
    // Levels, parents and the order of calculation, when every component names an item and there
    // is no cycle.
    std::optional<EstructuraProyecto> Estructura;
};

ArbolEstructura LeerArbol(const Proyecto& proyecto);
