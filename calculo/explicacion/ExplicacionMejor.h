// How "Mejor de las anteriores" chose: the total of every compared method, then how the winner
// made its plan.
#pragma once

#include "ExplicacionMetodo.h"
#include "MejorMetodo.h"

#include <memory>
#include <vector>

using TotalExplicado = SucesoTotalComparado;

class ExplicacionMejor final : public ExplicacionMetodo {
public:
    std::vector<TotalExplicado> Totales; // in code order
    TipoLotificacion Ganador = -1;
    std::shared_ptr<const ExplicacionMetodo> DelGanador; // how the winner made the plan
    // The winner's plan runs short after the lead time (DescartadoPorRoturas): its total is low
    // only because its shortages are priced as savings.
    bool GanadorConRoturas = false;

    void Oir(const SucesoOido& suceso) override;
    // The methods are deterministic: solved again from the same input, the winner makes the plan
    // the choice left, and says how.
    void Terminar(const Articulo& articulo, TipoLotificacion elegido) override;
    void Redactar(const Articulo& articulo, TipoLotificacion metodo, const redaccion::Cifras& N,
                  Bloques& bloques) const override;
};
