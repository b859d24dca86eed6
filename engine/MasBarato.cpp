// The tolerances of the rules of the cheapest: totals equal but for their sums, and shortages.
#include "MasBarato.h"

#include <algorithm>
#include <cmath>

namespace {

// Relative to the largest figure the projection adds, as TotalesIguales is to a total: far above
// the rounding of the projection's sums, far below any quantity that matters.
constexpr double ToleranciaRelativa = 1e-9;

} // namespace

bool TotalesIguales(double a, double b) {
    // A running sum of at most 99 periods moves by far less than this when taken in another
    // order, and plans whose costs really differ differ by far more.
    constexpr double Tolerancia = 1e-12;
    return std::fabs(a - b) <= Tolerancia * std::max(std::fabs(a), std::fabs(b));
}

RoturasDelPlan Roturas(const TParametrosMRP& P, const TTablaMRP& Tabla) {
    RoturasDelPlan roturas;
    const int N = std::min(P.N, MaxPeriodos);
    if (N < 1) return roturas;
    // The largest figure the projection adds up: a residue of its sums is far below it.
    double escala = std::fabs(Tabla.D[1]);
    for (int p = 1; p <= N; ++p)
        escala = std::max(
            {escala, std::fabs(Tabla.NB[p]), std::fabs(Tabla.RP[p]), std::fabs(Tabla.RPPL[p])});
    for (int p = 1; p <= N; ++p) {
        roturas.EnPeriodo[std::size_t(p)] = Tabla.D[p + 1] < -ToleranciaRelativa * escala;
        if (roturas.EnPeriodo[std::size_t(p)] && !RoturaInevitable(p, P.TS))
            roturas.DespuesDelPlazo = true;
    }
    return roturas;
}
