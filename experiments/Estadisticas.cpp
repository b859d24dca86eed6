// The statistics of the six methods over a run, folded in one experiment at a time.
#include "Estadisticas.h"

#include "AritmeticaComprobada.h"

using aritmetica::ADouble;
using aritmetica::Cociente;

void InicializarEstadisticas(TEstadisticas& estadisticas) {
    estadisticas.fill({});
}

void ActualizarEstadisticas(std::int32_t k, const TCostesExperimento& costes,
                            TEstadisticas& estadisticas) {
    double menor = 999999999999.0;
    double mayor = 0;
    for (const double c : costes) {
        if (c < menor) menor = c;
        if (c > mayor) mayor = c;
    }
    // Record by record and field by field, so a failure leaves what was already counted.
    for (int m = 0; m < NumeroMetodos; ++m) {
        TEstadisticaMetodo& e = estadisticas[static_cast<std::size_t>(m)];
        const double c = costes[static_cast<std::size_t>(m)];
        if (c == menor) ++e.NMejor;
        if (c == mayor) ++e.NPeor;
        e.CosteAc = ADouble(static_cast<long double>(e.CosteAc) + c);
        // c / c - 1 is exactly 0 for the methods that share the least cost, which spares most
        // experiments half their divisions; 0 / 0 still fails as it must.
        const double d = c == menor && menor != 0 ? 0.0 : ADouble(Cociente(c, menor) - 1);
        e.DesvMed =
            k == 1 ? d : ADouble(((k - 1.0L) * e.DesvMed + d) / static_cast<long double>(k));
        if (d > e.MaxDesv) e.MaxDesv = d;
    }
}
