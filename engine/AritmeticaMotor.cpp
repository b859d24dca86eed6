// The throwing side of the checked arithmetic.
#include "AritmeticaMotor.h"

#include "ErroresCalculo.h"

namespace calculo {

void FallarDesbordamiento() {
    throw EOverflow();
}
void FallarDivisionPorCero() {
    throw EZeroDivide();
}
void FallarOperacionInvalida() {
    throw EInvalidOp();
}

} // namespace calculo
