// Numbers as text in the user's locale (QLocale()): reading integers and reals, writing reals in
// the general, fixed and currency formats, and rounding halves to even.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// Reads a decimal integer: optional blanks around, optional sign, digits, within 32 bits.
// Throws EConvertError "''%s'' is not a valid integer value".
std::int32_t StrToInt(const QString& texto);

// Reads a real with the locale's decimal separator and an optional exponent. No thousands
// separators, hexadecimal, "nan", "inf" or values beyond the double range.
// Throws EConvertError "'%s' is not a valid floating point value".
double StrToFloat(const QString& texto);

// The general format with 15 significant digits, as the grid and the trace file show reals.
QString FloatToStr(double valor);

// The general format with the given number of significant digits: scientific notation from
// 10^precision on and below 10^-4, written 1E20, 1,5E-5.
QString FormatoGeneral(double valor, int precision);

// The fixed format with the given decimals; the general format with that precision when the
// value has more integer digits than the precision.
QString FormatoFijo(double valor, int precision, int decimales);

// The locale's currency format (symbol, placement, thousands grouping) with the given decimals;
// the general format with that precision when the value has more integer digits than that.
QString FormatoMoneda(double valor, int precision, int decimales);

// Rounds to the nearest integer, exact halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
double RedondearPar(double valor);
long double RedondearPar(long double valor);

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
