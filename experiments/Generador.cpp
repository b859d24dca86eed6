// The experiments' pseudo-random generator.
#include "Generador.h"

#include <chrono>

std::uint32_t Generador::SemillaDelReloj() {
    return static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

void Generador::Sembrar() {
    estado_ = semillaFija_ ? *semillaFija_ : SemillaDelReloj();
}
