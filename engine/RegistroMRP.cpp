// The MRP record: netting, re-projection, lot-for-lot and the pricing of a plan.
#include "RegistroMRP.h"

#include "MotorInterno.h"
#include "PasadasComunes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

using namespace calculo;

namespace {

// The price of a plan, with its rows or its total alone. Any nonzero release is an order, a
// negative one typed by hand included. One loop: horizons are mostly short, and the running total
// is the only chain from period to period.
template <bool ConFilas>
double Precio(std::int32_t NPeriodos, const TTablaMRP& Tabla, double CE, double CP,
              TCostesMRP* Costes) {
    double total = 0.0;
    for (int k = 1; k <= NPeriodos; ++k) {
        const double ce = Tabla.PPL[k] != 0.0 ? CE : 0.0;
        const double cp = CP * Tabla.D[k + 1];
        const double ct = ce + cp;
        if constexpr (ConFilas) {
            Costes->Ce[k] = ce;
            Costes->Cp[k] = cp;
            Costes->CTotal[k] = ct;
        }
        total += ct;
    }
    // Every term is finite or overflowed; once the running total leaves the finite range it
    // never comes back, so checking it once at the end catches an overflow anywhere.
    if (!std::isfinite(total)) [[unlikely]] {
        if constexpr (ConFilas) {
            // The rows as far as the running total stayed finite, and no costs of an earlier
            // plan nor any infinite cost after that.
            double suma = 0.0;
            int k = 1;
            while (k <= NPeriodos && std::isfinite(suma += Costes->CTotal[k])) ++k;
            for (; k <= NPeriodos + 1; ++k) Costes->Ce[k] = Costes->Cp[k] = Costes->CTotal[k] = 0.0;
        }
        FallarDesbordamiento();
    }
    if constexpr (ConFilas) {
        Costes->Ce[NPeriodos + 1] = 0.0;
        Costes->Cp[NPeriodos + 1] = 0.0;
        Costes->CTotal[NPeriodos + 1] = total;
    }
    return total;
}

} // namespace

void NecesidadNeta(std::int32_t Periodo, TTablaMRP& Tabla, double SS) {
    if (Periodo < 1 || Periodo > MaxPeriodos) return;
    motor::Netear(Periodo, Tabla, SS);
}

// Releases after N - TS would be received beyond the horizon: priced, never received.
template <class Observador>
void Reproyectar(std::int32_t NPeriodos, std::int32_t TS, double SS, TTablaMRP& Tabla,
                 Observador Obs) {
    if (!motor::DentroDelContrato(NPeriodos, TS)) return;
    motor::ReproyectarDesde<Observador>(1, NPeriodos, TS, SS, Tabla, Obs);
    for (int p = std::max(1, NPeriodos - TS + 1); p <= NPeriodos; ++p)
        Obs.EmisionFueraDelHorizonte(p, Tabla.PPL[p]);
}

template void Reproyectar<ObservadorNulo>(std::int32_t, std::int32_t, double, TTablaMRP&,
                                          ObservadorNulo);
template void Reproyectar<ObservadorRegistro>(std::int32_t, std::int32_t, double, TTablaMRP&,
                                              ObservadorRegistro);

template <class Observador>
void LoteALote(std::int32_t NPeriodos, std::int32_t TS, double SS, double /*CE*/, double /*CP*/,
               TTablaMRP& Tabla, PasadasComunes* Pasadas, Observador Obs) {
    if (!motor::DentroDelContrato(NPeriodos, TS)) return;
    motor::PasadaInicial(Pasadas, PasadasComunes::Pasada::LoteALote, Tabla, [&](TTablaMRP& t) {
        // The receipt goes on in a register: read back from the row, it would wait for its store.
        motor::Pasada(1, NPeriodos, t, SS, [&t, TS, &Obs](int i, double neta) {
            if (i <= TS) {
                Obs.Periodo(i, neta, t.RPPL[i], 0);
                return t.RPPL[i];
            }
            t.RPPL[i] = neta;
            t.PPL[i - TS] = neta;
            Obs.Periodo(i, neta, neta, i - TS);
            return neta;
        });
    });
}

template void LoteALote<ObservadorNulo>(std::int32_t, std::int32_t, double, double, double,
                                        TTablaMRP&, PasadasComunes*, ObservadorNulo);
template void LoteALote<ObservadorRegistro>(std::int32_t, std::int32_t, double, double, double,
                                            TTablaMRP&, PasadasComunes*, ObservadorRegistro);

bool TotalesIguales(double a, double b) {
    // A running sum of at most 99 periods moves by far less than this when taken in another
    // order, and plans whose costs really differ differ by far more.
    constexpr double Tolerancia = 1e-12;
    return std::fabs(a - b) <= Tolerancia * std::max(std::fabs(a), std::fabs(b));
}

void CalcularCostes(std::int32_t NPeriodos, const TTablaMRP& Tabla, double CE, double CP,
                    TCostesMRP& Costes) {
    if (!motor::DentroDelContrato(NPeriodos, 0)) return;
    Precio<true>(NPeriodos, Tabla, CE, CP, &Costes);
}

double motor::PrecioTotal(std::int32_t NPeriodos, const TTablaMRP& Tabla, double CE, double CP) {
    return Precio<false>(NPeriodos, Tabla, CE, CP, nullptr);
}
