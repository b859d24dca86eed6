// The rows of a plan kept aside and put back: what the best-of choice keeps of the winner, and what
// several methods solved from one input restore and share.
#pragma once

#include "RegistroMRP.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

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
    // The four rows in one loop, two entries at a time: a call to memmove, or a loop per row with
    // its own checks, costs more than the copy of a few entries (the engine is built so that the
    // compiler keeps such loops inline). The kept rows and the table's never overlap.
    static void Copiar(const std::array<const double*, NumeroFilas>& origen, int n,
                       const std::array<double*, NumeroFilas>& destino) {
        int i = 0;
        for (; i + 2 <= n; i += 2)
            for (std::size_t f = 0; f < NumeroFilas; ++f)
                std::memcpy(destino[f] + i, origen[f] + i, 2 * sizeof(double));
        if (i < n)
            for (std::size_t f = 0; f < NumeroFilas; ++f) destino[f][i] = origen[f][i];
    }
    // D, NN, RPPL and PPL, in this order.
    // Not cleared: only the entries Guardar wrote are ever read back.
    std::array<std::array<double, EntradasFila>, NumeroFilas> Valores;
};

} // namespace motor
