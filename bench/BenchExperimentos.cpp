// A whole run of a million experiments with the window's default fields, trace file included,
// without and with the comparison with the optimum: on one thread, measured in CPU time, and with
// the methods solved ahead on a second thread, measured in wall time.
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
