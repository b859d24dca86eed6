// Time of a project's explosion, checks included, every item with "Mejor de las anteriores": four
// levels, three component links per item, the end items' demand and every item's costs as the
// experiments draw them. It should grow linearly in items × periods.
#include <benchmark/benchmark.h>

#include "ExplosionProyecto.h"
#include "ProyectoAleatorio.h"

namespace {

void Explosion(benchmark::State& estado) {
    const Proyecto proyecto = ProyectoAleatorio(int(estado.range(0)), std::int32_t(estado.range(1)),
                                                Forma(estado.range(2)));
    for (auto _ : estado) {
        const std::optional<ResultadoProyecto> resultado =
            ExplotarProyecto(proyecto, std::nullopt, [](const QString&) {});
        benchmark::DoNotOptimize(resultado->CosteTotal);
    }
    estado.SetComplexityN(estado.range(0) * estado.range(1));
}

BENCHMARK(Explosion)
    ->ArgsProduct({{100, 1000, 10000}, {99}, {int(Forma::Uniforme), int(Forma::PiezasComunes)}})
    ->Args({1000, 25, int(Forma::Uniforme)})
    ->Args({1000, 50, int(Forma::Uniforme)})
    ->ArgNames({"articulos", "N", "comunes"})
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
