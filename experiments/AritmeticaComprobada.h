// Division and storing of extended intermediates into doubles, failing with the engine's errors
// instead of leaving an infinity or a NaN in a result.
#pragma once

#include "ErroresCalculo.h"

#include <cmath>

namespace aritmetica {

// A result kept as a double: NaN is an invalid operation, a value beyond the range an overflow.
inline double ADouble(long double valor) {
    if (std::isnan(valor)) throw EInvalidOp();
    const double guardado = static_cast<double>(valor);
    if (std::isinf(guardado)) throw EOverflow();
    return guardado;
}

// a / b in extended precision: 0 / 0 is an invalid operation, x / 0 a division by zero.
inline long double Cociente(long double a, long double b) {
    if (b == 0) {
        if (a == 0) throw EInvalidOp();
        throw EZeroDivide();
    }
    return a / b;
}

} // namespace aritmetica
