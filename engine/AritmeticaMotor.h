// Double arithmetic that throws the engine's errors instead of yielding an infinity or a NaN.
// Operands are always finite (inputs are, and every result is checked), so a non-finite sum,
// difference or product can only be an overflow.
#pragma once

#include <cmath>

namespace calculo {

// Kept out of line so that the checks cost the hot loops one predictable branch each.
[[noreturn]] void FallarDesbordamiento();
[[noreturn]] void FallarDivisionPorCero();
[[noreturn]] void FallarOperacionInvalida();

inline double Finito(double x) {
    if (!std::isfinite(x)) [[unlikely]]
        FallarDesbordamiento();
    return x;
}

inline double Suma(double a, double b) {
    return Finito(a + b);
}
inline double Resta(double a, double b) {
    return Finito(a - b);
}
inline double Producto(double a, double b) {
    return Finito(a * b);
}

inline double Cociente(double a, double b) {
    if (b == 0.0) [[unlikely]] {
        if (a == 0.0) FallarOperacionInvalida();
        FallarDivisionPorCero();
    }
    return Finito(a / b);
}

inline double RaizCuadrada(double a) {
    if (a < 0.0) [[unlikely]]
        FallarOperacionInvalida();
    return std::sqrt(a);
}

} // namespace calculo
