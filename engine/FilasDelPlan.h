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
        Copiar({Tabla.D.v.data(), Tabla.NN.v.data(), Tabla.RPPL.v.data(), Tabla.PPL.v.data()},
               NPeriodos + 1,
               {Valores[0].data(), Valores[1].data(), Valores[2].data(), Valores[3].data()});
    }
    void Poner(TTablaMRP& Tabla, std::int32_t NPeriodos) const {
        Copiar({Valores[0].data(), Valores[1].data(), Valores[2].data(), Valores[3].data()},
               NPeriodos + 1,
               {Tabla.D.v.data(), Tabla.NN.v.data(), Tabla.RPPL.v.data(), Tabla.PPL.v.data()});
    }

private:
    static constexpr std::size_t NumeroFilas = 4;
    // The four rows in one loop, which the compiler makes vector: the kept rows and the table's
    // never overlap. For rows of a few entries a call to memmove, or a loop per row with its own
    // checks, costs more than the copy (the engine is built so that the compiler keeps such loops
    // inline).
    static void Copiar(const std::array<const double*, NumeroFilas>& origen, int n,
                       const std::array<double*, NumeroFilas>& destino) {
        const double* __restrict o0 = origen[0];
        const double* __restrict o1 = origen[1];
        const double* __restrict o2 = origen[2];
        const double* __restrict o3 = origen[3];
        double* __restrict d0 = destino[0];
        double* __restrict d1 = destino[1];
        double* __restrict d2 = destino[2];
        double* __restrict d3 = destino[3];
        for (int i = 0; i < n; ++i) {
            d0[i] = o0[i];
            d1[i] = o1[i];
            d2[i] = o2[i];
            d3[i] = o3[i];
        }
    }
    // D, NN, RPPL and PPL, in this order.
    // Not cleared: only the entries Guardar wrote are ever read back.
    std::array<std::array<double, EntradasFila>, NumeroFilas> Valores;
};

} // namespace motor
