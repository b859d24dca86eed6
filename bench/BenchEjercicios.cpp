// Exercises: "Comprobar mi solución" on a typed record of 99 periods, from the window's texts to
// the checked cells, with the heaviest method ("Mejor de las anteriores") and with Silver-Meal; and
// a sheet of 100 exercises written whole, problem files and both PDFs. The PDFs need fonts, so the
// benchmarks run inside an application on the offscreen platform.
#include "CalculoProblema.h"
#include "Comprobacion.h"
#include "GeneradorEjercicios.h"
#include "HojaEjercicios.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void ComprobarNoventaYNueve(benchmark::State& estado) {
    OpcionesEjercicios opciones;
    opciones.Cantidad = 1;
    opciones.Periodos = {99, 99};
    opciones.Dificultad = 3;
    opciones.Metodo = TipoLotificacion(estado.range(0));
    const Ejercicio ejercicio = GenerarEjercicios(opciones, 20240601).front();
    // The student's record: the exact one with a wrong net requirement.
    TextosCelda celdas = CeldasDelResultado(ejercicio.Solucion);
    celdas.PonerCelda(50, FilaNN, QStringLiteral("1"));
    for (auto _ : estado) {
        const auto comprobada =
            ComprobarProblema(ejercicio.Problema, celdas, ToleranciaDefecto, [](const QString&) {});
        benchmark::DoNotOptimize(comprobada);
    }
}

void HojaDeCien(benchmark::State& estado) {
    QTemporaryDir carpeta;
    OpcionesEjercicios opciones;
    opciones.Cantidad = 100;
    opciones.Semilla = 20240601;
    opciones.Dificultad = int(estado.range(0));
    for (auto _ : estado) benchmark::DoNotOptimize(EscribirHoja(opciones, carpeta.path()));
}

} // namespace

BENCHMARK(ComprobarNoventaYNueve)
    ->Arg(LotificacionMejor)
    ->Arg(LotificacionSilverMeal)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(HojaDeCien)->Arg(1)->Arg(3)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(5);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacion(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
