// The cost of one method on one problem, and the statistics of the six methods over a run.
#pragma once

#include "LotificaUnit.h"

#include <array>
#include <cstdint>

inline constexpr int NumeroMetodos = 6; // codes 0 to 5; the best of them is not run

struct TEstadisticaMetodo {
    std::int32_t NMejor = 0;
    std::int32_t NPeor = 0;
    double CosteAc = 0;
    double MaxDesv = 0;
    double DesvMed = 0;
    bool operator==(const TEstadisticaMetodo&) const = default;
};

using TEstadisticas = std::array<TEstadisticaMetodo, NumeroMetodos>;
using TCostesExperimento = std::array<double, NumeroMetodos>;

// Solves a copy of the table with method m (rounding on) and returns CTotal[N + 1].
// The caller's table is never changed.
double CosteMetodo(TipoLotificacion m, std::int32_t N, std::int32_t Ts, double SS, double Ce,
                   double Cp, const TTablaMRP& tabla);

void InicializarEstadisticas(TEstadisticas& estadisticas);

// Folds the costs of experiment k (from 1) into the statistics. A least cost of 0 throws the
// engine's division error, as d = c / least - 1 does.
void ActualizarEstadisticas(std::int32_t k, const TCostesExperimento& costes,
                            TEstadisticas& estadisticas);
