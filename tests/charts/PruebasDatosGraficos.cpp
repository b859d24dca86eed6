// What each chart shows: the plan, the comparison and the experiments turned into chart data.
#include "CalculoArticulo.h"
#include "GraficosCalculo.h"
#include "GraficosExperimentos.h"
#include "Numeros.h"
#include "ProblemaEjemplo.h"

#include <gtest/gtest.h>

namespace {

using Valores = std::vector<double>;

QStringList Nombres(const std::vector<SerieGrafico>& series) {
    QStringList nombres;
    for (const SerieGrafico& serie : series) nombres << serie.Nombre;
    return nombres;
}

} // namespace

TEST(DatosGraficos, PlanDelEjemplo) {
    const DatosGrafico plan = GraficoPlan(CalcularSeleccionada(ProblemaEjemplo()));
    EXPECT_EQ(plan.Titulo, "Lote a lote — coste total 710");
    EXPECT_EQ(plan.Categorias, QStringList({"1", "2", "3", "4", "5", "6", "7", "8"}));
    ASSERT_EQ(Nombres(plan.Barras),
              QStringList({"Necesidades brutas", "Recepciones planificadas"}));
    EXPECT_EQ(plan.Barras[0].Valores, Valores({50, 60, 70, 60, 95, 75, 60, 55}));
    EXPECT_EQ(plan.Barras[1].Valores, Valores({0, 50, 70, 60, 95, 75, 60, 55}));
    // The stock each period leaves, D[2] to D[9].
    ASSERT_EQ(Nombres(plan.Lineas), QStringList({"Stock final del período"}));
    EXPECT_EQ(plan.Lineas[0].Valores, Valores({10, 0, 0, 0, 0, 0, 0, 0}));
    ASSERT_EQ(Nombres(plan.Referencias), QStringList({"Stock de seguridad"}));
    EXPECT_EQ(plan.Referencias[0].Valores, Valores(8, 0.0));
}

// A requirement within the lead time leaves the stock below zero; scheduled receipts get their
// own bars; the title says how the plan was made.
TEST(DatosGraficos, PlanConStockNegativoRecepcionesYCalculoManual) {
    Articulo p;
    p.N = 3;
    p.TS = 1;
    p.SS = 5;
    p.CE = 10;
    p.CP = 0.5;
    p.Entrada.NB[1] = 20;
    p.Entrada.NB[2] = 30;
    p.Entrada.RP[3] = 15;
    const DatosGrafico plan = GraficoPlan(CalcularSeleccionada(p));
    EXPECT_EQ(plan.Lineas[0].Valores, Valores({-20, 5, 20}));
    EXPECT_EQ(Nombres(plan.Barras).last(), "Recepciones programadas");
    EXPECT_EQ(plan.Barras[2].Valores, Valores({0, 0, 15}));
    EXPECT_EQ(plan.Referencias[0].Valores, Valores(3, 5.0));

    p.Entrada.PPL[1] = 55;
    const ResultadoCalculo manual = CalcularManual(p);
    EXPECT_EQ(GraficoPlan(manual).Titulo,
              "Cálculo manual — coste total " + FloatToStr(manual.CosteTotal()));
}

TEST(DatosGraficos, ComparacionConElMasBaratoYUnFallo) {
    ComparacionMetodos comparacion = CompararMetodos(ProblemaEjemplo());
    DatosGrafico grafico = GraficoComparacion(comparacion);
    EXPECT_EQ(grafico.Titulo, "Coste de cada plan (★ el método más barato de los seis)");
    EXPECT_EQ(grafico.Categorias,
              QStringList({"Lote a lote", "EOQ", "★ POQ", "★ Min coste total", "★ Min coste unit",
                           "★ Silver-Meal", "Plan óptimo"}));
    EXPECT_EQ(grafico.Forma, FormaBarras::Apiladas);
    EXPECT_TRUE(grafico.Horizontal);
    ASSERT_EQ(Nombres(grafico.Barras), QStringList({"Coste de emisión", "Coste de posesión"}));
    EXPECT_EQ(grafico.Barras[0].Valores, Valores({700, 500, 400, 400, 400, 400, 400}));
    EXPECT_EQ(grafico.Barras[1].Valores, Valores({10, 575, 235, 235, 235, 235, 200}));

    comparacion.Filas[1].Fallo = "Floating point division by zero";
    grafico = GraficoComparacion(comparacion);
    EXPECT_EQ(grafico.Categorias[1], "EOQ (sin plan)");
    EXPECT_EQ(grafico.Barras[0].Valores[1], 0);
    EXPECT_EQ(grafico.Barras[1].Valores[1], 0);
}

// Counts as they are, deviations in percent; the optimum's series only when the run compared it.
TEST(DatosGraficos, ExperimentosConYSinElOptimo) {
    DatosExperimentos datos;
    for (int m = 0; m < NumeroMetodos; ++m) {
        datos.Estadisticas[std::size_t(m)] = {m, 6 - m, 1000.0 + m, 0.5 + m, 0.125 * m};
        datos.EstadisticasOptimo[std::size_t(m)] = {2 * m, 0.75, 0.25};
    }
    const DatosGrafico veces = GraficoVecesMasBarato(datos, false, "1000");
    EXPECT_EQ(veces.Titulo, "Veces que cada método fue el más barato en 1000 experimentos");
    EXPECT_EQ(veces.Categorias, QStringList({"Lote a lote", "EOQ", "POQ", "Min coste total",
                                             "Min coste unit", "Silver-Meal"}));
    ASSERT_EQ(Nombres(veces.Barras), QStringList({"Veces el más barato"}));
    EXPECT_EQ(veces.Barras[0].Valores, Valores({0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(Nombres(GraficoDesviaciones(datos, false).Barras),
              QStringList({"Media sobre el más barato", "Máxima sobre el más barato"}));

    EXPECT_EQ(GraficoVecesMasBarato(datos, true, "1000").Barras[1].Valores,
              Valores({0, 2, 4, 6, 8, 10}));
    const DatosGrafico desviaciones = GraficoDesviaciones(datos, true);
    ASSERT_EQ(desviaciones.Barras.size(), 4u);
    EXPECT_EQ(desviaciones.Barras[0].Valores, Valores({0, 12.5, 25, 37.5, 50, 62.5}));
    EXPECT_EQ(desviaciones.Barras[1].Valores, Valores({50, 150, 250, 350, 450, 550}));
    EXPECT_EQ(desviaciones.Barras[2].Nombre, "Media sobre el óptimo");
    EXPECT_EQ(desviaciones.Barras[3].Valores, Valores(6, 75.0));
}
