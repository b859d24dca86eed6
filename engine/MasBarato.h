// When a cost counts as the cheapest: the three rules the program has, each where it applies,
// and the values the searches for the least cost start from.
#pragma once

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
