// The optimum against the six methods it must never be above, over many random problems with
// initial stock, scheduled receipts, safety stock, negative requirements and lead times up to and
// beyond the horizon. Counts how often it was below, equal to and above the cheapest of them,
// telling apart totals above only in their last bits (another plan of equal cost, its costs
// summed in another order); a problem above by more fails the benchmark.
#include "ProblemasMotorAzar.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

namespace {

void OptimoFrenteALosMetodos(benchmark::State& estado) {
    const auto problemas = static_cast<std::int64_t>(estado.range(0));
    std::int64_t debajo = 0, igual = 0, igualSalvoRedondeo = 0, encima = 0;
    double mayorAhorro = 0;   // relative, over the cheapest method
    double mayorRedondeo = 0; // relative, of a total above only in its last bits
    for (auto _ : estado) {
        ProblemasMotorAzar azar(20240611);
        for (std::int64_t n = 0; n < problemas; ++n) {
            const ProblemaAzar p = azar.Siguiente();
            double minimo = CosteTotal(MetodosComparados[0], p);
            for (const TipoLotificacion m : MetodosComparados)
                minimo = std::min(minimo, CosteTotal(m, p));
            const double optimo = CosteTotal(LotificacionOptimo, p);
            const double relativa =
                std::abs(optimo - minimo) / std::max(std::abs(optimo), std::abs(minimo));
            if (optimo < minimo) {
                ++debajo;
                mayorAhorro = std::max(mayorAhorro, relativa);
            } else if (optimo == minimo) {
                ++igual;
            } else if (TotalesIguales(optimo, minimo)) {
                ++igualSalvoRedondeo;
                mayorRedondeo = std::max(mayorRedondeo, relativa);
            } else {
                ++encima;
            }
        }
    }
    estado.counters["problemas"] = static_cast<double>(problemas);
    estado.counters["por_debajo"] = static_cast<double>(debajo);
    estado.counters["iguales"] = static_cast<double>(igual);
    estado.counters["encima_en_el_redondeo"] = static_cast<double>(igualSalvoRedondeo);
    estado.counters["por_encima"] = static_cast<double>(encima);
    estado.counters["mayor_ahorro_relativo"] = mayorAhorro;
    estado.counters["mayor_redondeo_relativo"] = mayorRedondeo;
    if (encima > 0) estado.SkipWithError("el óptimo quedó por encima de algún método");
}

} // namespace

BENCHMARK(OptimoFrenteALosMetodos)->Arg(200000)->Iterations(1)->Unit(benchmark::kSecond);
