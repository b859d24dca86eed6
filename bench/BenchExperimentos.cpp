// A whole run of a million experiments with the window's default fields, trace file included,
// without and with the comparison with the optimum: on one thread, measured in CPU time, and with
// the methods solved ahead on a second thread, measured in wall time. Then the fixed cost of a
// run: one of no experiments, as the time its report gives, median of twenty.
#include "Ejecucion.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void EjecucionDeUnMillon(benchmark::State& estado) {
    QTemporaryDir carpeta;
    const QString traza = carpeta.filePath(QStringLiteral("traza.txt"));
    auto textos = TextosExperimento::PorDefecto();
    textos.NExp = QStringLiteral("1000000");
    textos.CompararOptimo = estado.range(1) != 0;
    Generador generador(20240601);
    DatosExperimentos datos;
    OpcionesEjecucion opciones;
    opciones.SegundoHilo = estado.range(0) == 2;
    for (auto _ : estado) {
        const QStringList informe =
            EjecutarExperimentos(textos, traza, generador, datos, {}, opciones);
        benchmark::DoNotOptimize(informe);
    }
    estado.counters["segundos_informados"] = datos.Segundos;
}

// What a run costs before and after its experiments: opening the trace, the clocks, the report.
void EjecucionSinExperimentos(benchmark::State& estado) {
    QTemporaryDir carpeta;
    const QString traza = carpeta.filePath(QStringLiteral("traza.txt"));
    auto textos = TextosExperimento::PorDefecto();
    textos.NExp = QStringLiteral("0");
    Generador generador(20240601);
    DatosExperimentos datos;
    double informados = 0;
    for (auto _ : estado) {
        const QStringList informe = EjecutarExperimentos(textos, traza, generador, datos, {}, {});
        benchmark::DoNotOptimize(informe);
        informados += datos.Segundos;
    }
    estado.counters["ms_informados"] = 1000 * informados / static_cast<double>(estado.iterations());
}

} // namespace

BENCHMARK(EjecucionDeUnMillon)
    ->ArgNames({"hilos", "optimo"})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->MeasureProcessCPUTime();
BENCHMARK(EjecucionDeUnMillon)
    ->ArgNames({"hilos", "optimo"})
    ->Args({2, 0})
    ->Args({2, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(EjecucionSinExperimentos)
    ->Iterations(1)
    ->Repetitions(20)
    ->ReportAggregatesOnly()
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
