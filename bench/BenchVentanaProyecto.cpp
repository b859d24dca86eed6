// The project window's times as a user meets them: a project of 1,000 items, 3,000 links and 99
// periods opened from its file, exploded and its tree shown; an item selected and its record
// shown; the structure diagram of 60 items drawn. The windows run on the offscreen platform and
// every step ends with the widget painted.
#include "FicheroProyecto.h"
#include "PanelDiagrama.h"
#include "PlataformaQt.h"
#include "ProyectoAleatorio.h"
#include "ProyectoUnit.h"

#include <QTemporaryDir>
#include <QTreeView>

#include <benchmark/benchmark.h>

namespace {

constexpr int Articulos = 1000;
constexpr std::int32_t Periodos = 99;

void AbrirCalcularYMostrarArbol(benchmark::State& estado) {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("grande.mrp"));
    GuardarProyecto(ruta, ProyectoAleatorio(Articulos, Periodos, Forma::Uniforme));
    PlataformaQt plataforma;
    TFormProyecto ventana(plataforma);
    ventana.resize(1200, 800);
    ventana.show();
    auto* arbol = ventana.findChild<QTreeView*>(QStringLiteral("ArbolEstructura"));
    for (auto _ : estado) {
        ventana.PonerProyecto(AbrirProyecto(ruta), ruta, true, QString());
        ventana.Calcular1Click();
        arbol->viewport()->repaint();
    }
    if (!ventana.Resultado()) estado.SkipWithError("el proyecto no se calculó");
}

void SeleccionarArticulo(benchmark::State& estado) {
    PlataformaQt plataforma;
    TFormProyecto ventana(plataforma);
    ventana.resize(1200, 800);
    ventana.show();
    ventana.PonerProyecto(ProyectoAleatorio(Articulos, Periodos, Forma::Uniforme), QString(), true,
                          QString());
    ventana.Calcular1Click();
    auto* rejilla = ventana.findChild<QWidget*>(QStringLiteral("SGProyecto"));
    int articulo = 0;
    for (auto _ : estado) {
        // Through the levels: items of the last level have four parents to explain.
        articulo = (articulo + 337) % Articulos;
        ventana.SeleccionarArticulo(articulo);
        rejilla->repaint();
    }
}

void DibujarDiagrama(benchmark::State& estado) {
    const Proyecto proyecto = ProyectoAleatorio(int(estado.range(0)), 10, Forma::Uniforme);
    PanelDiagrama panel;
    panel.resize(700, 600);
    panel.show();
    int seleccionado = 0;
    for (auto _ : estado) {
        panel.Mostrar(proyecto);
        panel.Seleccionar(seleccionado++ % int(proyecto.Articulos.size()));
        panel.Vista().viewport()->repaint();
    }
}

} // namespace

BENCHMARK(AbrirCalcularYMostrarArbol)->Unit(benchmark::kMillisecond);
BENCHMARK(SeleccionarArticulo)->Unit(benchmark::kMillisecond);
BENCHMARK(DibujarDiagrama)->Arg(60)->Unit(benchmark::kMillisecond);
