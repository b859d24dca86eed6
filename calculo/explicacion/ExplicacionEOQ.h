// How EOQ made its plan: the mean demand, the economic lot it orders and every period netted.
#pragma once

#include "ExplicacionMetodo.h"
#include "LotesDemandaMedia.h"
#include "PeriodosExplicados.h"

#include <optional>
#include <vector>

class ExplicacionEOQ final : public ExplicacionMetodo {
public:
    std::optional<SucesoDemandaMedia> Demanda; // before any rounding
    std::optional<double> LoteEconomico;       // Q as ordered, rounded when asked
    std::vector<PeriodoExplicado> Periodos;    // in period order

    void Oir(const SucesoOido& suceso) override;
    void Redactar(const Articulo& articulo, TipoLotificacion metodo, const redaccion::Cifras& N,
                  Bloques& bloques) const override;
};
