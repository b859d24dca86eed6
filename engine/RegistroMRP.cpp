// The MRP record: netting, re-projection, lot-for-lot and the pricing of a plan.
#include "RegistroMRP.h"

#include "MotorInterno.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

using namespace calculo;

void NecesidadNeta(std::int32_t Periodo, TTablaMRP& Tabla, double SS) {
    if (Periodo < 1 || Periodo > MaxPeriodos) return;
    motor::Netear(Periodo, Tabla, SS);
}

void Reproyectar(std::int32_t NPeriodos, std::int32_t TS, double SS, TTablaMRP& Tabla) {
    if (!motor::DentroDelContrato(NPeriodos, TS)) return;
    motor::ReproyectarDesde(1, NPeriodos, TS, SS, Tabla);
}

void LoteALote(std::int32_t NPeriodos, std::int32_t TS, double SS, double /*CE*/, double /*CP*/,
               TTablaMRP& Tabla) {
    if (!motor::DentroDelContrato(NPeriodos, TS)) return;
    motor::Pasada(1, NPeriodos, Tabla, SS, [&Tabla, TS](int i, double neta) {
        if (i > TS) {
            Tabla.RPPL[i] = neta;
            Tabla.PPL[i - TS] = neta;
        }
        return Tabla.RPPL[i];
    });
}

bool TotalesIguales(double a, double b) {
    // A running sum of at most 99 periods moves by far less than this when taken in another
    // order, and plans whose costs really differ differ by far more.
    constexpr double Tolerancia = 1e-12;
    return std::fabs(a - b) <= Tolerancia * std::max(std::fabs(a), std::fabs(b));
}

void CalcularCostes(std::int32_t NPeriodos, const TTablaMRP& Tabla, double CE, double CP,
                    TCostesMRP& Costes) {
    if (!motor::DentroDelContrato(NPeriodos, 0)) return;
    double total = 0.0;
    for (int k = 1; k <= NPeriodos; ++k) {
        // Any nonzero release is an order, a negative one typed by hand included. Selected
        // without a branch: whether a period orders is as good as random.
        const double ce = std::bit_cast<double>(std::bit_cast<std::uint64_t>(CE) &
                                                -std::uint64_t{Tabla.PPL[k] != 0.0});
        const double cp = CP * Tabla.D[k + 1];
        const double ct = ce + cp;
        total += ct;
        // An overflow in the product or either sum leaves the running total infinite or NaN.
        if (!std::isfinite(total)) [[unlikely]] {
            // No costs of an earlier plan stay behind a failure.
            for (int resto = k; resto <= NPeriodos + 1; ++resto)
                Costes.Ce[resto] = Costes.Cp[resto] = Costes.CTotal[resto] = 0.0;
            FallarDesbordamiento();
        }
        Costes.Ce[k] = ce;
        Costes.Cp[k] = cp;
        Costes.CTotal[k] = ct;
    }
    Costes.Ce[NPeriodos + 1] = 0.0;
    Costes.Cp[NPeriodos + 1] = 0.0;
    Costes.CTotal[NPeriodos + 1] = total;
}
