// Time of one plan: Lotificar followed by CalcularCostes on a fresh copy of a random problem,
// for every method code and for horizons of the experiments' size and of the largest size; and
// the optimum's hardest case.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "LotificaUnit.h"

namespace {

struct ProblemaMedido {
    TTablaMRP Tabla;
    std::int32_t TS;
    double CE;
    double CP;
};

// As the experiments draw them: a requirement in half the periods, sizes 10 to 1000, ordering
// cost 3 to 30, ordering over holding cost 100 to 2000, lead time 1 to 3.
std::vector<ProblemaMedido> ProblemasAleatorios(int N) {
    std::mt19937 azar(static_cast<unsigned>(7919 * N));
    std::bernoulli_distribution hayNecesidad(0.5);
    std::uniform_int_distribution<int> tamano(10, 1000);
    std::uniform_int_distribution<std::int32_t> plazo(1, 3);
    std::uniform_real_distribution<double> costePedido(3, 30);
    std::uniform_real_distribution<double> proporcion(100, 2000);

    std::vector<ProblemaMedido> problemas;
    while (problemas.size() < 64) {
        ProblemaMedido p{};
        double total = 0;
        for (int i = 1; i <= N; ++i) {
            p.Tabla.NB[i] = hayNecesidad(azar) ? tamano(azar) : 0;
            total += p.Tabla.NB[i];
        }
        if (total == 0) continue; // POQ has no interval without demand
        p.TS = plazo(azar);
        p.CE = costePedido(azar);
        p.CP = p.CE / proporcion(azar);
        problemas.push_back(p);
    }
    return problemas;
}

void Plan(benchmark::State& estado) {
    const auto metodo = static_cast<TipoLotificacion>(estado.range(0));
    const auto N = static_cast<std::int32_t>(estado.range(1));
    const std::vector<ProblemaMedido> problemas = ProblemasAleatorios(N);
    std::size_t siguiente = 0;
    for (auto _ : estado) {
        const ProblemaMedido& p = problemas[siguiente++ % problemas.size()];
        TTablaMRP tabla = p.Tabla;
        TCostesMRP costes;
        std::int32_t elegido = 0;
        Lotificar(metodo, {N, p.TS, 0, p.CE, p.CP, true}, tabla, elegido);
        CalcularCostes({N, 0, 0, p.CE, p.CP}, tabla, costes);
        benchmark::DoNotOptimize(costes.CTotal[N + 1]);
        benchmark::ClobberMemory();
    }
}

BENCHMARK(Plan)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7}, {10, 16, 99}})
    ->ArgNames({"metodo", "N"})
    ->Unit(benchmark::kNanosecond);

// The optimum's hardest case: a requirement in each of 99 periods and ordering so dear against
// holding that no lot length can be ruled out, so every pair of lot starts is tried.
void OptimoSinPoda(benchmark::State& estado) {
    std::mt19937 azar(99);
    std::uniform_int_distribution<int> tamano(10, 1000);
    std::vector<TTablaMRP> tablas(64);
    for (TTablaMRP& t : tablas)
        for (int i = 1; i <= MaxPeriodos; ++i) t.NB[i] = tamano(azar);
    constexpr double CE = 1e7, CP = 1e-3;
    std::size_t siguiente = 0;
    for (auto _ : estado) {
        TTablaMRP tabla = tablas[siguiente++ % tablas.size()];
        TCostesMRP costes;
        std::int32_t elegido = 0;
        Lotificar(LotificacionOptimo, {MaxPeriodos, 1, 0, CE, CP, true}, tabla, elegido);
        CalcularCostes({MaxPeriodos, 0, 0, CE, CP}, tabla, costes);
        benchmark::DoNotOptimize(costes.CTotal[MaxPeriodos + 1]);
        benchmark::ClobberMemory();
    }
}

BENCHMARK(OptimoSinPoda)->Unit(benchmark::kNanosecond);

} // namespace
