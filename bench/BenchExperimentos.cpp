// A whole run of a million experiments with the window's default fields, trace file included: on
// one thread, measured in CPU time, and with the methods solved ahead on a second thread,
// measured in wall time.
#include "Ejecucion.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void EjecucionDeUnMillon(benchmark::State& estado) {
    QTemporaryDir carpeta;
    const QString traza = carpeta.filePath(QStringLiteral("traza.txt"));
    auto textos = TextosExperimento::PorDefecto();
    textos.NExp = QStringLiteral("1000000");
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
    ->ArgName("hilos")
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->MeasureProcessCPUTime();
BENCHMARK(EjecucionDeUnMillon)
    ->ArgName("hilos")
    ->Arg(2)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
