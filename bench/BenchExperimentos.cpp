// A whole run of a million experiments with the window's default fields, trace file included,
// without and with the comparison with the optimum.
#include "Ejecucion.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void EjecucionDeUnMillon(benchmark::State& estado) {
    QTemporaryDir carpeta;
    const QString traza = carpeta.filePath(QStringLiteral("traza.txt"));
    auto textos = TextosExperimento::PorDefecto();
    textos.NExp = QStringLiteral("1000000");
    textos.CompararOptimo = estado.range(0) != 0;
    Generador generador(20240601);
    DatosExperimentos datos;
    for (auto _ : estado) {
        const QStringList informe = EjecutarExperimentos(textos, traza, generador, datos, {});
        benchmark::DoNotOptimize(informe);
    }
    estado.counters["segundos_informados"] = datos.Segundos;
}

} // namespace

BENCHMARK(EjecucionDeUnMillon)
    ->ArgName("optimo")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
