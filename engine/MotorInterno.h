// Pieces the engine's sources share and its callers never see: the input contract, the netting
// and projection of one period, the re-projection of a tail of the horizon and the price of a plan
// without its rows.
#pragma once

#include <bit>
#include <cstdint>

#include "AritmeticaMotor.h"
#include "Horizonte.h"
#include "RegistroMRP.h"

namespace motor {

// The best value a cost search or the best-of choice starts from; a value must be below it
// to count, so it behaves differently from an infinity.
inline constexpr double MejorInicial = 99999999999.0;

// Outside this every entry point returns without touching anything: the records could not
// hold the horizon.
inline bool DentroDelContrato(std::int32_t NPeriodos, std::int32_t TS) {
    return PeriodosCalculables(NPeriodos) && TiempoSuministroValido(TS);
}

// v where v > 0, else +0. Selected without a branch: the sign of a net requirement is as good as
// random, and a mispredicted branch costs more than the whole netting.
inline double Positivo(double v) {
    return std::bit_cast<double>(std::bit_cast<std::uint64_t>(v) & -std::uint64_t{v > 0.0});
}

inline void Netear(int i, TTablaMRP& t, double SS) {
    t.NN[i] = Positivo(calculo::Finito(t.NB[i] - t.D[i] - t.RP[i] + SS));
}

// One pass over periods Desde to N: nets each period, lets Recibir set its planned receipt from
// the net requirement (recibir(i, NN[i]) returns RPPL[i]) and projects the stock,
// D[i + 1] = D[i] + RP[i] - NB[i] + RPPL[i]. The stock is carried in a register from period to
// period, which keeps the pass fast; the netting is that of Netear.
template <class Recibir>
inline void Pasada(int Desde, std::int32_t NPeriodos, TTablaMRP& t, double SS, Recibir recibir) {
    double d = t.D[Desde];
    for (int i = Desde; i <= NPeriodos; ++i) {
        const double nb = t.NB[i];
        const double rp = t.RP[i];
        const double nn = Positivo(calculo::Finito(nb - d - rp + SS));
        t.NN[i] = nn;
        d = calculo::Finito(d + rp - nb + recibir(i, nn));
        t.D[i + 1] = d;
    }
}

// Re-projects periods Desde to N. Periods before Desde keep their values, which is exact when
// no release received before Desde has changed since they were projected.
void ReproyectarDesde(int Desde, std::int32_t NPeriodos, std::int32_t TS, double SS,
                      TTablaMRP& Tabla);

// Lot-for-lot's one pass: every net requirement received in its own period, released TS before.
void PasadaLoteALote(std::int32_t NPeriodos, std::int32_t TS, double SS, TTablaMRP& Tabla);

// The total cost of the plan, as CalcularCostes leaves it in CTotal[N + 1], without its rows.
double PrecioTotal(std::int32_t NPeriodos, const TTablaMRP& Tabla, double CE, double CP);

} // namespace motor
