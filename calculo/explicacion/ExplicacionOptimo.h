// How the optimal plan was found: the least cost on from every lot start, then the plan's lots.
#pragma once

#include "ExplicacionMetodo.h"
#include "PlanOptimo.h"

#include <vector>

using CosteDesdeExplicado = SucesoCosteDesde;
using LoteOptimoExplicado = SucesoLoteOptimo;

class ExplicacionOptimo final : public ExplicacionMetodo {
public:
    std::vector<CosteDesdeExplicado> CostesDesde; // in period order
    std::vector<LoteOptimoExplicado> LotesOptimos;

    void Oir(const SucesoOido& suceso) override;
    void Redactar(const Articulo& articulo, TipoLotificacion metodo,
                  Bloques& bloques) const override;
};
