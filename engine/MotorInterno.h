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

// Outside this every entry point returns without touching anything: the records could not
// hold the horizon.
inline bool DentroDelContrato(std::int32_t NPeriodos, std::int32_t TS) {
    return PeriodosCalculables(NPeriodos) && TiempoSuministroValido(TS);
}

// valor where the comparison of v holds, else +0; `comparar` compares the lanes of a vector of
// two doubles, the first of them v. Selected without a branch, and with a mask in the registers
// of the values: a trip through the integer registers lengthens the chain from period to period
// of a pass, whose tests are as good as random. A vector of the compiler's own, of no one
// processor.
template <class Comparar> inline double Si(double valor, double v, Comparar comparar) {
    using Par = double __attribute__((vector_size(16)));
    using Mascara = std::int64_t __attribute__((vector_size(16)));
    const Par x = {v, 0.0};
    const Par y = {valor, 0.0};
    return reinterpret_cast<Par>(reinterpret_cast<Mascara>(y) & comparar(x))[0];
}

// v where v > 0, else +0.
inline double Positivo(double v) {
    return Si(v, v, [](auto x) { return x > 0.0; });
}

inline void Netear(int i, TTablaMRP& t, double SS) {
    t.NN[i] = Positivo(calculo::Finito(t.NB[i] - t.D[i] - t.RP[i] + SS));
}

// One pass over periods Desde to N: nets each period, lets Recibir set its planned receipt from
// the net requirement (recibir(i, NN[i]) returns RPPL[i]) and projects the stock,
// D[i + 1] = D[i] + RP[i] - NB[i] + RPPL[i]. The stock is carried in a register from period to
// period, which keeps the pass fast; the netting is that of Netear. A stock that overflows makes
// the next period's net requirement infinite or NaN, and its check fails before anything else
// happens, so only the stock of the last period is checked apart.
template <class Recibir>
inline void Pasada(int Desde, std::int32_t NPeriodos, TTablaMRP& t, double SS, Recibir recibir) {
    if (Desde > NPeriodos) return;
    double d = t.D[Desde];
    for (int i = Desde; i <= NPeriodos; ++i) {
        const double nb = t.NB[i];
        const double rp = t.RP[i];
        const double nn = Positivo(calculo::Finito(nb - d - rp + SS));
        t.NN[i] = nn;
        d = d + rp - nb + recibir(i, nn);
        t.D[i + 1] = d;
    }
    calculo::Finito(d);
}

// Re-projects periods Desde to N. Periods before Desde keep their values, which is exact when
// no release received before Desde has changed since they were projected. Obs hears every
// receipt after the lead time (SucesoRecepcion). Periods within the lead time keep the receipts the
// caller left; after it every receipt is the release TS periods before. Two loops, so that the hot
// one neither branches nor reads back the receipt it has just stored. Inline: the methods call it
// after every lot, and a call would spill what their searches keep in registers.
template <class Observador>
inline void ReproyectarDesde(int Desde, std::int32_t NPeriodos, std::int32_t TS, double SS,
                             TTablaMRP& Tabla, Observador Obs) {
    const int ultimaSinPedido = NPeriodos < TS ? NPeriodos : TS;
    if (Desde <= ultimaSinPedido)
        Pasada(Desde, ultimaSinPedido, Tabla, SS,
               [&Tabla](int i, double) { return Tabla.RPPL[i]; });
    Pasada(Desde > ultimaSinPedido ? Desde : ultimaSinPedido + 1, NPeriodos, Tabla, SS,
           [&Tabla, TS, &Obs](int i, double) {
               const double recibido = Tabla.PPL[i - TS];
               Tabla.RPPL[i] = recibido;
               Obs(SucesoRecepcion{i - TS, i, recibido});
               return recibido;
           });
}
inline void ReproyectarDesde(int Desde, std::int32_t NPeriodos, std::int32_t TS, double SS,
                             TTablaMRP& Tabla) {
    ReproyectarDesde<ObservadorNulo>(Desde, NPeriodos, TS, SS, Tabla, {});
}

// The total cost of the plan, as CalcularCostes leaves it in CTotal[N + 1], without its rows.
double PrecioTotal(const TParametrosMRP& P, const TTablaMRP& Tabla);

} // namespace motor
