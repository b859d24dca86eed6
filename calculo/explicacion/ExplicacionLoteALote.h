// How lot-for-lot made its plan: every period netted and what it receives.
#pragma once

#include "ExplicacionMetodo.h"
#include "PeriodosExplicados.h"

#include <vector>

class ExplicacionLoteALote final : public ExplicacionMetodo {
public:
    std::vector<PeriodoExplicado> Periodos; // in period order

    void Oir(const SucesoOido& suceso) override;
    void Redactar(const Articulo& articulo, TipoLotificacion metodo, const redaccion::Cifras& N,
                  Bloques& bloques) const override;
};
