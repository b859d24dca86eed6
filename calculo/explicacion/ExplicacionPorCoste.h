// How least total cost, least unit cost and Silver-Meal made their plans: lot by lot, every
// candidate end evaluated and the one chosen.
#pragma once

#include "ExplicacionMetodo.h"
#include "LotesPorCoste.h"

#include <vector>

using CandidatoExplicado = SucesoCandidato;

// One lot, received in k.
struct LoteExplicado {
    int k = 0;
    std::vector<CandidatoExplicado> Candidatos; // in the order evaluated; a stop is the last
    int bj = 0;
    double Cantidad = 0;
    int Emision = 0; // 0 when k lies within the lead time and the lot cannot be released
};

class ExplicacionPorCoste final : public ExplicacionMetodo {
public:
    bool ParaAlSubir = false; // the search stops at the first candidate above the best
    std::vector<LoteExplicado> Lotes;

    void Oir(const SucesoOido& suceso) override;
    void Redactar(const Articulo& articulo, TipoLotificacion metodo, const redaccion::Cifras& N,
                  Bloques& bloques) const override;
};
