// The digits of reals: the general format that the grid, the reports and the trace file share, and
// the digits of the fixed format. Internal to the platform layer.
#pragma once

#include <cstddef>
#include <string>

// The general format with `precision` significant digits (1 to 17), "E" for scientific notation,
// `separador` as decimal separator. destino has room for 32 bytes; returns the bytes written.
// Does not throw and does not allocate memory.
std::size_t EscribirGeneral(double valor, int precision, char separador, char* destino);
// The same for an extended value, rounded from its own digits rather than from a double's.
std::size_t EscribirGeneral(long double valor, int precision, char separador, char* destino);

// A finite value rounded to `decimales` decimals (0 to 30), as plain digit strings. A value that
// rounds to zero is not negative.
struct CifrasFijas {
    bool negativo = false;
    std::string entera;
    std::string fraccion;
};
CifrasFijas EscribirFijo(double valor, int decimales);
