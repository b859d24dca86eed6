// What a calculation at the largest horizon costs the analysis views: the calculation itself
// (the plan, its explanation and every method side by side), each panel's contents as data (the
// comparison's texts, the explanation's blocks, the plan's chart), and each panel showing them.
// Reported, never asserted: the target for a calculation with every panel open is 150 ms.
#include <benchmark/benchmark.h>

#include "CalculoArticulo.h"
#include "Grafico.h"
#include "GraficosCalculo.h"
#include "MainUnit.h"
#include "Numeros.h"
#include "PanelComparacion.h"
#include "PanelExplicacion.h"
#include "PanelGraficoPlan.h"
#include "PlataformaQt.h"
#include "RejillaTexto.h"
#include "TextosComparacion.h"
#include "TextosExplicacion.h"
#include "TextosProblema.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QDockWidget>
#include <QLineEdit>
#include <QRadioButton>

#include <memory>

namespace {

// Ninety-nine periods, a requirement in most of them: the long searches of the cost criteria.
Articulo ProblemaGrande(TipoLotificacion metodo) {
    Articulo a;
    a.N = MaxPeriodos;
    a.TS = 2;
    a.CE = 250;
    a.CP = 0.5;
    a.Metodo = metodo;
    a.Entrada.D[1] = 40;
    for (int c = 1; c <= a.N; ++c) a.Entrada.NB[c] = 10 * (c % 7) + 5 * (c % 3) + (c * 37) % 23;
    return a;
}

void Calculo(benchmark::State& estado) {
    const Articulo a = ProblemaGrande(TipoLotificacion(estado.range(0)));
    for (auto _ : estado) benchmark::DoNotOptimize(CalcularSeleccionada(a));
}

void TextosDeLaComparacion(benchmark::State& estado) {
    const ResultadoCalculo r = CalcularSeleccionada(ProblemaGrande(LotificacionMejor));
    for (auto _ : estado) benchmark::DoNotOptimize(TextosComparacion(r.Comparacion));
}

// Rounded to read and exact for the tool tips, as the panel writes them.
void TextosDeLaExplicacion(benchmark::State& estado) {
    const ResultadoCalculo r =
        CalcularSeleccionada(ProblemaGrande(TipoLotificacion(estado.range(0))));
    for (auto _ : estado) {
        benchmark::DoNotOptimize(TextosExplicacion(r));
        benchmark::DoNotOptimize(TextosExplicacion(r, DecimalesExactos));
    }
}

void GraficoDelPlan(benchmark::State& estado) {
    const ResultadoCalculo r = CalcularSeleccionada(ProblemaGrande(LotificacionMejor));
    for (auto _ : estado) {
        std::unique_ptr<QChart> grafico(CrearGrafico(GraficoPlan(r)));
        benchmark::DoNotOptimize(grafico.get());
    }
}

// A shown panel taking a new calculation, and the events that lay it out and paint it: what the
// user waits for.
template <class Panel> void PanelMostrando(benchmark::State& estado) {
    const std::optional<ResultadoCalculo> r =
        CalcularSeleccionada(ProblemaGrande(TipoLotificacion(estado.range(0))));
    Panel panel;
    panel.resize(640, 700);
    panel.show();
    QApplication::processEvents();
    for (auto _ : estado) {
        panel.Mostrar(r);
        QApplication::processEvents();
    }
}

// The explanation of a long search, built in steps: until the whole of it is on the panel.
void ExplicacionEntera(benchmark::State& estado) {
    const std::optional<ResultadoCalculo> r =
        CalcularSeleccionada(ProblemaGrande(TipoLotificacion(estado.range(0))));
    PanelExplicacion panel;
    panel.resize(640, 700);
    panel.show();
    QApplication::processEvents();
    for (auto _ : estado) {
        panel.Mostrar(r);
        do QApplication::processEvents();
        while (!panel.Construida());
    }
}

// "Calcular" in the main window at 99 periods with the three panels open, tabbed as they open or
// all in view side by side, until the window has laid out and painted what changed and the
// explanation is whole.
void CalculoEnLaVentana(benchmark::State& estado) {
    PlataformaQt plataforma;
    TFormMain ventana(plataforma);
    ventana.resize(1280, 800);
    ventana.show();
    const Articulo a = ProblemaGrande(LotificacionMejor);
    ventana.findChild<QLineEdit*>(QStringLiteral("EditNPeriodos"))->setText(QString::number(a.N));
    ventana.findChild<QLineEdit*>(QStringLiteral("EditTS"))->setText(QString::number(a.TS));
    ventana.findChild<QLineEdit*>(QStringLiteral("EditCE"))->setText(FloatToStr(a.CE));
    ventana.findChild<QLineEdit*>(QStringLiteral("EditCP"))->setText(FloatToStr(a.CP));
    auto& SG = *ventana.findChild<RejillaTexto*>(QStringLiteral("SG"));
    SG.PonerCelda(1, FilaD, FloatToStr(a.Entrada.D[1]));
    for (int c = 1; c <= a.N; ++c) SG.PonerCelda(c, FilaNB, FloatToStr(a.Entrada.NB[c]));
    for (const char* panel : {"CompararMetodos1", "GraficoPlan1", "ExplicacionCalculo1"})
        ventana.findChild<QAction*>(QString::fromLatin1(panel))->trigger();
    if (estado.range(0) == 1)
        for (QDockWidget* panel : ventana.findChildren<QDockWidget*>()) panel->setFloating(true);
    QApplication::processEvents();
    auto* explicacion = ventana.findChild<PanelExplicacion*>();
    QAction* calcular = ventana.findChild<QAction*>(QStringLiteral("LotificacinSeleccionada1"));
    for (auto _ : estado) {
        // The radio group shows the winner after each calculation: choose the best again.
        ventana.findChild<QRadioButton*>(QStringLiteral("RadioMejor"))->setChecked(true);
        calcular->trigger();
        do QApplication::processEvents();
        while (!explicacion->Construida());
    }
}

BENCHMARK(Calculo)
    ->Arg(LotificacionMejor)
    ->Arg(LotificacionSilverMeal)
    ->Arg(LotificacionOptimo)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(TextosDeLaComparacion)->Unit(benchmark::kMillisecond);
BENCHMARK(TextosDeLaExplicacion)
    ->Arg(LotificacionMejor)
    ->Arg(LotificacionSilverMeal)
    ->Arg(LotificacionOptimo)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(GraficoDelPlan)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(PanelMostrando, PanelComparacion)
    ->Arg(LotificacionMejor)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(PanelMostrando, PanelGraficoPlan)
    ->Arg(LotificacionMejor)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(PanelMostrando, PanelExplicacion)
    ->Arg(LotificacionMejor)
    ->Arg(LotificacionSilverMeal)
    ->Arg(LotificacionOptimo)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(CalculoEnLaVentana)->ArgName("juntos")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ExplicacionEntera)
    ->Arg(LotificacionMejor)
    ->Arg(LotificacionSilverMeal)
    ->Arg(LotificacionOptimo)
    ->Unit(benchmark::kMillisecond);

} // namespace
