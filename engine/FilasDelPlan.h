// The rows of a plan kept aside and put back: what the best-of choice keeps of the winner, and what
// several methods solved from one input restore and share.
#pragma once

#include "RegistroMRP.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace motor {

// The rows a method writes, entries 1 to N + 1. Everything else in the table is input or left
// alone by every method, so these rows alone tell one plan from another.
class FilasDelPlan {
public:
    void Guardar(const TTablaMRP& Tabla, std::int32_t NPeriodos) {
        for (std::size_t f = 0; f < Filas.size(); ++f)
            Copiar((Tabla.*Filas[f]).v.data(), NPeriodos + 1, Valores[f].data());
    }
    void Poner(TTablaMRP& Tabla, std::int32_t NPeriodos) const {
        for (std::size_t f = 0; f < Filas.size(); ++f)
            Copiar(Valores[f].data(), NPeriodos + 1, (Tabla.*Filas[f]).v.data());
    }

private:
    // A plain loop, not std::copy_n: for rows of a few entries a call to memmove costs more than
    // the copy (the engine is built so that the compiler keeps such loops inline).
    static void Copiar(const double* origen, int n, double* destino) {
        for (int i = 0; i < n; ++i) destino[i] = origen[i];
    }
    static constexpr std::array Filas{&TTablaMRP::D, &TTablaMRP::NN, &TTablaMRP::RPPL,
                                      &TTablaMRP::PPL};
    // Not cleared: only the entries Guardar wrote are ever read back.
    std::array<std::array<double, EntradasFila>, Filas.size()> Valores;
};

} // namespace motor
