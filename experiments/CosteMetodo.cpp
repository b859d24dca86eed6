// One method's total cost on a random problem, solved on a scratch copy of the table.
#include "CosteMetodo.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

constexpr std::array FilasTabla{&TTablaMRP::NB, &TTablaMRP::D,    &TTablaMRP::RP,
                                &TTablaMRP::NN, &TTablaMRP::RPPL, &TTablaMRP::PPL};

// The engine reads and writes only entries 1 to N + 1, so copying those into a table whose other
// entries are zero is the same as copying the whole 4.8 KB table, which a long run cannot afford
// six million times. Entries beyond those in use stay zero: the engine never writes there.
struct Borrador {
    TTablaMRP tabla;
    TCostesMRP costes;
    int entradasEnUso = 0;
};
thread_local Borrador borrador;

} // namespace

double CosteMetodo(TipoLotificacion m, std::int32_t N, std::int32_t Ts, double SS, double Ce,
                   double Cp, const TTablaMRP& tabla) {
    if (!PeriodosCalculables(N))
        throw std::out_of_range("CosteMetodo: número de períodos fuera de la tabla");
    const int entradas = N + 1;
    TTablaMRP& copia = borrador.tabla;
    for (auto fila : FilasTabla)
        std::copy_n((tabla.*fila).v.begin(), entradas, (copia.*fila).v.begin());
    // What a longer problem left beyond this one's entries goes back to zero.
    if (borrador.entradasEnUso > entradas)
        for (auto fila : FilasTabla)
            std::fill((copia.*fila).v.begin() + entradas,
                      (copia.*fila).v.begin() + borrador.entradasEnUso, 0.0);
    borrador.entradasEnUso = entradas;

    std::int32_t metodoElegido = 0;
    Lotificar(m, N, Ts, SS, Ce, Cp, true, copia, metodoElegido);
    CalcularCostes(N, copia, Ce, Cp, borrador.costes);
    return borrador.costes.CTotal[N + 1];
}
