// Numbers as text in the user's locale (QLocale()): writing reals in the general and fixed
// formats, and rounding halves to even; reading, the currency format and the rounded numbers of
// the views meant for reading come with it.
#pragma once

#include "CifrasLegibles.h"
#include "FormatoMoneda.h"
#include "LecturaNumeros.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>

// The general format with 15 significant digits, as the grid and the trace file show reals.
QString FloatToStr(double valor);

// The general format with the given number of significant digits: scientific notation from
// 10^precision on and below 10^-4, written 1E20, 1,5E-5.
QString FormatoGeneral(double valor, int precision);

// The general format with the fewest significant digits, from 15 on, that read back as the very
// same double: what the grid shows whenever its 15 digits are exact, 16 or 17 otherwise. For
// files read by other programs, which must get the value itself.
QString FormatoExacto(double valor);

// The fixed format with the given decimals; the general format with that precision when the
// value has more integer digits than the precision.
QString FormatoFijo(double valor, int precision, int decimales);

// Rounds to the nearest integer, exact halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
// rint rounds as nearbyint does in the default mode, without saving and restoring the
// floating-point environment, which for long double costs more than a whole random draw; inline,
// it is one instruction.
inline double RedondearPar(double valor) {
    return std::rint(valor);
}
inline long double RedondearPar(long double valor) {
    return std::rint(valor);
}

// The general format with 15 digits written as bytes, for loops that write millions of numbers:
// the separator is looked up once, when the object is made.
class FormatoRapido {
public:
    FormatoRapido(); // takes the decimal separator of QLocale()
    explicit FormatoRapido(char separadorDecimal);

    // Writes the value at destino (room for at least 32 bytes); returns the bytes written.
    std::size_t General(double valor, char* destino) const;
    // The same for an extended intermediate, rounded to 15 digits from its own value.
    std::size_t General(long double valor, char* destino) const;
    // Writes a decimal integer; returns the bytes written.
    static std::size_t Entero(std::int64_t valor, char* destino);

private:
    char separador_;
};
