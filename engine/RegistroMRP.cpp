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
double Precio(const TParametrosMRP& P, const TTablaMRP& Tabla, TCostesMRP* Costes) {
    const std::int32_t NPeriodos = P.N;
    const double CE = P.CE;
    const double CP = P.CP;
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
void Reproyectar(const TParametrosMRP& P, TTablaMRP& Tabla, Observador Obs) {
    const std::int32_t NPeriodos = P.N;
    const std::int32_t TS = P.TS;
    if (!motor::DentroDelContrato(NPeriodos, TS)) return;
    motor::ReproyectarDesde<Observador>(1, NPeriodos, TS, P.SS, Tabla, Obs);
    for (int p = std::max(1, NPeriodos - TS + 1); p <= NPeriodos; ++p)
        Obs(SucesoEmisionFueraDelHorizonte{p, Tabla.PPL[p]});
}

template void Reproyectar<ObservadorNulo>(const TParametrosMRP&, TTablaMRP&, ObservadorNulo);
template void Reproyectar<ObservadorRegistro>(const TParametrosMRP&, TTablaMRP&,
                                              ObservadorRegistro);

// The parameters are copied into locals here and in every routine: read through the reference,
// each would be read again after every store into the table, which might alias them.
template <class Observador>
void LoteALote(const TParametrosMRP& P, TTablaMRP& Tabla, PasadasComunes* Pasadas, Observador Obs) {
    const std::int32_t NPeriodos = P.N;
    const std::int32_t TS = P.TS;
    const double SS = P.SS;
    if (!motor::DentroDelContrato(NPeriodos, TS)) return;
    motor::PasadaInicial(Pasadas, PasadasComunes::Pasada::LoteALote, Tabla, [&](TTablaMRP& t) {
        // The receipt goes on in a register: read back from the row, it would wait for its store.
        motor::Pasada(1, NPeriodos, t, SS, [&t, TS, &Obs](int i, double neta) {
            if (i <= TS) {
                Obs(SucesoPeriodo{i, neta, t.RPPL[i], 0});
                return t.RPPL[i];
            }
            t.RPPL[i] = neta;
            t.PPL[i - TS] = neta;
            Obs(SucesoPeriodo{i, neta, neta, i - TS});
            return neta;
        });
    });
}

template void LoteALote<ObservadorNulo>(const TParametrosMRP&, TTablaMRP&, PasadasComunes*,
                                        ObservadorNulo);
template void LoteALote<ObservadorRegistro>(const TParametrosMRP&, TTablaMRP&, PasadasComunes*,
                                            ObservadorRegistro);

void CalcularCostes(const TParametrosMRP& P, const TTablaMRP& Tabla, TCostesMRP& Costes) {
    if (!motor::DentroDelContrato(P.N, 0)) return;
    Precio<true>(P, Tabla, &Costes);
}

double motor::PrecioTotal(const TParametrosMRP& P, const TTablaMRP& Tabla) {
    return Precio<false>(P, Tabla, nullptr);
}
