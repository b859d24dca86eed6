// When a cost counts as the cheapest: the three rules the program has, each where it applies,
// the values the searches for the least cost start from, and the shortages that keep a plan from
// being the cheapest in the views that rank plans.
#pragma once

#include "ParametrosMRP.h"
#include "RegistroMRP.h"

#include <array>

// The value a lot's cost search and the best-of choice start from: a value must be below it to
// count, so it behaves differently from an infinity (eleven nines).
inline constexpr double MejorInicial = 99999999999.0;

// The least cost an experiment's statistics start from (twelve nines).
inline constexpr double MenorInicialExperimentos = 999999999999.0;

// A cost search and the best-of choice: only a strictly lower value replaces the best, so on a
// tie the earlier candidate (the shorter lot, the lower method code) keeps the choice.
constexpr bool SustituyeAlMejor(double valor, double mejor) {
    return valor < mejor;
}

// The experiments' statistics: a method is the best (or the worst) of an experiment when its cost
// is exactly the least (the greatest), as the six plans' costs were summed; ties all count.
constexpr bool IgualEnElExperimento(double coste, double referencia) {
    return coste == referencia;
}

// The views that set plans side by side: two totals equal but for the rounding of their running
// sums, since two plans of equal cost whose costs fall in different periods can differ in the last
// bits of their totals.
bool TotalesIguales(double a, double b);

// The periods of a plan that run short: period p (1 to N) when the stock it leaves, D[p + 1], is
// negative beyond the rounding of the sums that projected it, so that a residue such as -2.8e-14
// is no shortage.
struct RoturasDelPlan {
    std::array<bool, EntradasFila + 1> EnPeriodo{}; // entry p for period p
    bool DespuesDelPlazo = false;                   // in a period a planned receipt could reach
};
RoturasDelPlan Roturas(const TParametrosMRP& P, const TTablaMRP& Tabla);

// Periods 1 to TS come before any planned receipt can arrive: no plan can avoid a shortage there.
constexpr bool RoturaInevitable(int periodo, std::int32_t TS) {
    return periodo <= TS;
}

// The views that rank plans (the comparison, the report): CalcularCostes prices a negative stock
// as a negative holding cost, so a plan that runs short in a period a receipt could reach would
// look cheaper than one that covers it. Such a plan is never the cheapest and gets no percentage
// over the optimum; shortages within the lead time do not count against it. The grid, the files,
// the best-of choice and the experiments keep CalcularCostes's prices as they are.
inline bool DescartadoPorRoturas(const TParametrosMRP& P, const TTablaMRP& Tabla) {
    return Roturas(P, Tabla).DespuesDelPlazo;
}
