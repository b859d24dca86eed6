// The product structure read from the items' lists of components: who uses each item and how
// many, the low-level codes and the order the explosion solves the items in, or the cycle that
// makes levels meaningless.
#pragma once

#include "Proyecto.h"

#include <QHash>
#include <QStringList>

#include <optional>
#include <vector>

// A parent of an item and how many of the item each unit of it takes.
struct UsoComponente {
    int Padre;
    double Cantidad;
};

struct EstructuraProyecto {
    // For every item, its parents: the items of the project in their order that list it, each
    // once (a list names a component once).
    std::vector<std::vector<UsoComponente>> Padres;
    // The low-level code of every item: 0 for one that is nobody's component, else one more than
    // the deepest of its parents.
    std::vector<int> Niveles;
    // Every item's position, by level and, within a level, in the project's order.
    std::vector<int> OrdenCalculo;
};

// The position of the first item of every code: a later one only repeats it.
QHash<QString, int> IndicesPorCodigo(const Proyecto& proyecto);

// Every item's components as positions, in the order of its list; -1 for a code of no item.
std::vector<std::vector<int>> ComponentesPorPosicion(const Proyecto& proyecto);

// The codes of a cycle from its first item back to it ("A", "B", "C", "A"): the first one met
// going through the items in their order, and through each one's components in theirs. Nothing
// when there is none. Components that name no item are passed over.
std::optional<QStringList> BuscarCiclo(const Proyecto& proyecto);

// The structure of a project whose components all name an item, once per list, without a cycle
// (RechazosProyecto finds none).
EstructuraProyecto LeerEstructura(const Proyecto& proyecto);
