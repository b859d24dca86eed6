// The experiments' pseudo-random generator.
#include "Generador.h"

#include <chrono>

void Generador::Sembrar() {
    if (semillaFija_) {
        estado_ = *semillaFija_;
        return;
    }
    const auto tics = std::chrono::steady_clock::now().time_since_epoch().count();
    estado_ = static_cast<std::uint32_t>(tics);
}

long double Generador::Sorteo() {
    estado_ = estado_ * 134775813u + 1u; // unsigned: wraps modulo 2^32
    return static_cast<long double>(estado_) / 4294967296.0L;
}
