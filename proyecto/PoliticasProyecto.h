// The policies compared over a whole project: every method given to every item, and the items'
// own methods, each exploded and priced, side by side (the comparison of the methods, one level
// up).
#pragma once

#include "Proyecto.h"

#include <QString>

#include <optional>
#include <vector>

struct PoliticaProyecto {
    std::optional<TipoLotificacion> Metodo; // the one every item was given; nothing: their own
    // Why the policy could not be exploded (a refusal, an arithmetic failure), as the user reads
    // it; empty when it was, and then the figures hold.
    QString Fallo;
    double CosteEmision = 0;
    double CostePosesion = 0;
    double CosteTotal = 0;
    // The least total of the policies exploded (TotalesIguales); ties are all marked. None is when
    // an item's costs are not comparable (CostesComparables).
    bool MasBarata = false;
};

// The methods in code order, then the items' own methods. Nothing throws for a policy that fails.
std::vector<PoliticaProyecto> CompararPoliticas(const Proyecto& proyecto);
