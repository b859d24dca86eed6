// The horizon and lead-time rules: how many periods the records hold, and which horizons and lead
// times each caller accepts. Every check of N or of the lead time in the program comes here.
#pragma once

#include <cstdint>

// Capacity of every period row: entries 1 to 100. Entry N + 1 is written, so N is at most 99.
inline constexpr int EntradasFila = 100;
inline constexpr int MaxPeriodos = EntradasFila - 1;

// A horizon that can be calculated: 1 to 99 periods.
constexpr bool PeriodosCalculables(std::int64_t n) {
    return n >= 1 && n <= MaxPeriodos;
}

// A horizon the planning grid can show while N is typed or a problem is opened or saved: 0 to 99
// (N = 0 is a grid without periods).
constexpr bool PeriodosDeRejilla(std::int64_t n) {
    return n >= 0 && n <= MaxPeriodos;
}

// A lead time of 0 or more; one beyond the horizon is sound and plans nothing.
constexpr bool TiempoSuministroValido(std::int64_t ts) {
    return ts >= 0;
}
