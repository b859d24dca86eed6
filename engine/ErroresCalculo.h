// The engine's arithmetic failures. Their messages are the texts the user sees in the error box.
#pragma once

#include <stdexcept>

// x / 0 with x different from 0.
struct EZeroDivide : std::runtime_error {
    EZeroDivide() : std::runtime_error("Floating point division by zero") {}
};

// 0 / 0, the square root of a negative number, or any other result that is not a number.
struct EInvalidOp : std::runtime_error {
    EInvalidOp() : std::runtime_error("Invalid floating point operation") {}
};

// A result beyond the range of a double.
struct EOverflow : std::runtime_error {
    EOverflow() : std::runtime_error("Floating point overflow") {}
};
