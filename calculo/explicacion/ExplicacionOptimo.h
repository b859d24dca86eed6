// How the optimal plan was found: the triangular table of every lot weighed from every start, the
// least cost on from each start, then the plan's lots.
#pragma once

#include "ExplicacionMetodo.h"
#include "PlanOptimo.h"

#include <vector>

using CandidatoOptimoExplicado = SucesoCandidatoOptimo;
using CosteDesdeExplicado = SucesoCosteDesde;
using LoteOptimoExplicado = SucesoLoteOptimo;

class ExplicacionOptimo final : public ExplicacionMetodo {
public:
    std::vector<CandidatoOptimoExplicado> Candidatos; // as heard: from the last start back
    std::vector<CosteDesdeExplicado> CostesDesde;     // in period order
    std::vector<LoteOptimoExplicado> LotesOptimos;

    void Oir(const SucesoOido& suceso) override;
    void Redactar(const Articulo& articulo, TipoLotificacion metodo, const redaccion::Cifras& N,
                  Bloques& bloques) const override;
};
