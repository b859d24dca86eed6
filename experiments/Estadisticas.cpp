// The statistics of the six methods over a run, folded in one experiment at a time.
#include "Estadisticas.h"

#include "AritmeticaComprobada.h"

using aritmetica::ADouble;
using aritmetica::Cociente;

namespace {

// The deviation of cost c from a reference, folded into a running mean and a greatest value.
void AcumularDesviacion(std::int32_t k, double c, double referencia, double& DesvMed,
                        double& MaxDesv) {
    // c / c - 1 is exactly 0 for a cost equal to its reference, which spares most experiments
    // half their divisions; 0 / 0 still fails as it must.
    const double d =
        c == referencia && referencia != 0 ? 0.0 : ADouble(Cociente(c, referencia) - 1);
    DesvMed = k == 1 ? d : ADouble(((k - 1.0L) * DesvMed + d) / static_cast<long double>(k));
    if (d > MaxDesv) MaxDesv = d;
}

} // namespace

void InicializarEstadisticas(TEstadisticas& estadisticas) {
    estadisticas.fill({});
}

void ActualizarEstadisticas(std::int32_t k, const TCostesExperimento& costes,
                            TEstadisticas& estadisticas) {
    double menor = MenorInicialExperimentos;
    double mayor = 0;
    for (const double c : costes) {
        if (c < menor) menor = c;
        if (c > mayor) mayor = c;
    }
    // Record by record and field by field, so a failure leaves what was already counted.
    for (int m = 0; m < NumeroMetodos; ++m) {
        TEstadisticaMetodo& e = estadisticas[static_cast<std::size_t>(m)];
        const double c = costes[static_cast<std::size_t>(m)];
        // Counted without a branch: whether a method ties with the least or the greatest cost is
        // as good as random.
        e.NMejor += IgualEnElExperimento(c, menor) ? 1 : 0;
        e.NPeor += IgualEnElExperimento(c, mayor) ? 1 : 0;
        e.CosteAc = ADouble(static_cast<long double>(e.CosteAc) + c);
        AcumularDesviacion(k, c, menor, e.DesvMed, e.MaxDesv);
    }
}

void ActualizarEstadisticasOptimo(std::int32_t k, const TCostesExperimento& costes, double optimo,
                                  TEstadisticasOptimo& estadisticas) {
    for (std::size_t m = 0; m < estadisticas.size(); ++m) {
        TEstadisticaOptimo& e = estadisticas[m];
        if (costes[m] <= optimo || TotalesIguales(costes[m], optimo)) ++e.NOptimo;
        AcumularDesviacion(k, costes[m], optimo, e.DesvMed, e.MaxDesv);
    }
}
