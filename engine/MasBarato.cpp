// The tolerance of two totals that differ only in the order of their sums.
#include "MasBarato.h"

#include <algorithm>
#include <cmath>

bool TotalesIguales(double a, double b) {
    // A running sum of at most 99 periods moves by far less than this when taken in another
    // order, and plans whose costs really differ differ by far more.
    constexpr double Tolerancia = 1e-12;
    return std::fabs(a - b) <= Tolerancia * std::max(std::fabs(a), std::fabs(b));
}
