// The statistics of the methods over a run, folded in one experiment at a time: against each
// other, and against the optimum when the run solves it too.
#pragma once

#include "LotificaUnit.h"

#include <array>
#include <cstdint>

// The methods a run solves: those the best-of choice compares, codes 0 to 5.
inline constexpr int NumeroMetodos = NumeroMetodosComparados;

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

// How one method fared against the optimum.
struct TEstadisticaOptimo {
    std::int32_t NOptimo = 0; // experiments in which the method's cost reached the optimum's
    double MaxDesv = 0;       // greatest relative deviation from the optimum
    double DesvMed = 0;       // mean relative deviation from the optimum
    bool operator==(const TEstadisticaOptimo&) const = default;
};

using TEstadisticasOptimo = std::array<TEstadisticaOptimo, NumeroMetodos>;

void InicializarEstadisticas(TEstadisticas& estadisticas);

// Folds the costs of experiment k (from 1) into the statistics. A least cost of 0 throws the
// engine's division error, as d = c / least - 1 does.
void ActualizarEstadisticas(std::int32_t k, const TCostesExperimento& costes,
                            TEstadisticas& estadisticas);

// Folds experiment k against its optimum. A cost equal to it reached it, also when the plan is
// another of equal cost whose total differs in its last bits; an optimum of 0 throws the engine's
// division error.
void ActualizarEstadisticasOptimo(std::int32_t k, const TCostesExperimento& costes, double optimo,
                                  TEstadisticasOptimo& estadisticas);
