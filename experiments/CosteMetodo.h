// What the methods cost on a random problem, as the experiments price them: every method from the
// same generated table.
#pragma once

#include "LotificaUnit.h"

#include <cstddef>
#include <cstdint>
#include <span>

// The parameters a random problem is solved with: no safety stock, rounding on.
constexpr TParametrosMRP ParametrosDeExperimento(std::int32_t N, std::int32_t Ts, double Ce,
                                                 double Cp) {
    return {N, Ts, 0, Ce, Cp, true};
}

// Solves a copy of the table with method m and returns CTotal[N + 1]. The caller's table is
// never changed.
double CosteMetodo(TipoLotificacion m, const TParametrosMRP& P, const TTablaMRP& tabla);

// Solves the problem in `tabla` with each method of `metodos` in order, each from that same
// input, as CosteMetodo does; costes[i] receives the cost of metodos[i] as soon as it is known,
// and `resueltos` counts them. A method that fails throws the engine's error; the optimum,
// std::domain_error for costs that are not comparable (CostesComparables). The table is the
// solving's scratch: afterwards it holds a plan, its inputs NB, RP and D[1] unchanged.
void CostesMetodos(std::span<const TipoLotificacion> metodos, const TParametrosMRP& P,
                   TTablaMRP& tabla, double* costes, std::size_t& resueltos);
