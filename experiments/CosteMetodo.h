// One method's total cost on a random problem, as the experiments price every method.
#pragma once

#include "LotificaUnit.h"

#include <cstdint>

// Solves a copy of the table with method m (rounding on) and returns CTotal[N + 1].
// The caller's table is never changed.
double CosteMetodo(TipoLotificacion m, std::int32_t N, std::int32_t Ts, double SS, double Ce,
                   double Cp, const TTablaMRP& tabla);
