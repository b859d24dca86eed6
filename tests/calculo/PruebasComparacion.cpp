// Every method side by side: the figures and texts of the worked example, the user's plan, a
// zero optimum and a method that fails, all as the panel and quelmar-cli show them.
#include "AyudasRejilla.h"
#include "CalculoProblema.h"
#include "Numeros.h"
#include "SinAvisos.h"
#include "TablaRejilla.h"
#include "TextosComparacion.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TextosProblema Ejemplo(std::int32_t metodo, const QString& CE = "100", const QString& CP = "1") {
    TextosProblema problema;
    problema.CE = CE;
    problema.CP = CP;
    problema.Metodo = metodo;
    return problema;
}

TextosCelda CeldasEjemplo() {
    TextosCelda celdas = CeldasIniciales(8);
    PonerFila(celdas, FilaNB, {"50", "60", "70", "60", "95", "75", "60", "55"});
    PonerFila(celdas, FilaD, {"60"});
    return celdas;
}

std::vector<QStringList> Celdas(const ResultadoCalculo& resultado) {
    std::vector<QStringList> filas;
    for (const TextosFilaComparacion& fila : TextosComparacion(resultado.Comparacion))
        filas.push_back(fila.Celdas);
    return filas;
}

std::vector<bool> MasBaratos(const ResultadoCalculo& resultado) {
    std::vector<bool> marcados;
    for (const FilaComparacion& fila : resultado.Comparacion.Filas)
        marcados.push_back(fila.MasBarato);
    return marcados;
}

} // namespace

TEST(Comparacion, EjemploConElPlanOptimo) {
    TextosProblema problema = Ejemplo(LotificacionOptimo);
    TextosCelda celdas = CeldasEjemplo();
    const std::optional<ResultadoCalculo> r = ComandoCalcular(problema, celdas, SinAvisos);
    ASSERT_TRUE(r);
    EXPECT_EQ(CabeceraComparacion(),
              QStringList({"Método", "Coste total", "Coste de emisión", "Coste de posesión",
                           "Pedidos", "% sobre el óptimo"}));
    const std::vector<QStringList> esperadas = {
        {"Lote a lote", "710", "700", "10", "7", "18,3"},
        {"EOQ", "1075", "500", "575", "5", "79,2"},
        {"POQ", "635", "400", "235", "4", "5,8"},
        {"Mínimo coste total", "635", "400", "235", "4", "5,8"},
        {"Mínimo coste unitario", "635", "400", "235", "4", "5,8"},
        {"Método Silver-Meal", "635", "400", "235", "4", "5,8"},
        {"Plan óptimo (Wagner-Whitin)", "600", "400", "200", "4", "0,0"},
    };
    EXPECT_EQ(Celdas(*r), esperadas);
    // The four methods of equal least total are all marked; the optimum is not one of them.
    EXPECT_EQ(MasBaratos(*r), std::vector<bool>({false, false, true, true, true, true, false}));
}

// The user's plan joins as the last row; a zero optimum gives no percentage to the totals above
// it, and 0 to those equal to it.
TEST(Comparacion, PlanManualYOptimoNulo) {
    TextosProblema problema = Ejemplo(LotificacionLoteALote, "2,5", "1");
    problema.NPeriodos = "3";
    TextosCelda celdas = CeldasIniciales(3);
    PonerFila(celdas, FilaNB, {"5", "0", "10"});
    PonerFila(celdas, FilaPPL, {"15"});
    const std::optional<ResultadoCalculo> r = ComandoCalculoManual(problema, celdas, SinAvisos);
    ASSERT_TRUE(r);
    const std::vector<QStringList> filas = Celdas(*r);
    ASSERT_EQ(filas.size(), 8u);
    EXPECT_EQ(filas[6], QStringList({"Plan óptimo (Wagner-Whitin)", "0", "5", "-5", "2", "0,0"}));
    EXPECT_EQ(filas[0].last(), "0,0");
    EXPECT_EQ(filas[7], QStringList({"Plan manual", "7,5", "2,5", "5", "1", ""}));
    EXPECT_EQ(r->Comparacion.Filas[7].Metodo, CodigoPlanManual);
}

// With "Lote a lote" a holding cost of 0 is allowed; the methods it breaks show their failure
// and the calculation goes on.
TEST(Comparacion, UnMetodoQueFallaNoImpideElCalculo) {
    TextosProblema problema = Ejemplo(LotificacionLoteALote, "100", "0");
    TextosCelda celdas = CeldasEjemplo();
    const std::optional<ResultadoCalculo> r = ComandoCalcular(problema, celdas, SinAvisos);
    ASSERT_TRUE(r);
    const std::vector<QStringList> filas = Celdas(*r);
    EXPECT_EQ(filas[1], QStringList({"EOQ", "Floating point division by zero", "", "", "", ""}));
    EXPECT_EQ(filas[2][1], "Floating point division by zero");
    // Holding costs nothing: one lot for the whole horizon.
    EXPECT_EQ(filas[6],
              QStringList({"Plan óptimo (Wagner-Whitin)", "100", "100", "0", "1", "0,0"}));
    EXPECT_EQ(filas[0], QStringList({"Lote a lote", "700", "700", "0", "7", "600,0"}));
    EXPECT_EQ(celdas.Celda(9, FilaCTotal), "700");
}

// Under a negative cost no plan is the cheapest: both calculations go on, and their comparison
// says why it ranks nothing; the optimum is refused with the same words.
TEST(Comparacion, CostesNegativosNoSeComparan) {
    for (const auto& [CE, CP] : {std::pair{"100", "-0,5"}, std::pair{"-100", "1"}}) {
        TextosProblema problema = Ejemplo(LotificacionLoteALote, CE, CP);
        TextosCelda celdas = CeldasEjemplo();
        for (const auto& r : {ComandoCalcular(problema, celdas, SinAvisos),
                              ComandoCalculoManual(problema, celdas, SinAvisos)}) {
            ASSERT_TRUE(r) << CE << " / " << CP;
            EXPECT_TRUE(r->Comparacion.Filas.empty());
            EXPECT_EQ(r->Comparacion.Rechazo, TextoCostesNoComparables);
        }
        problema.Metodo = LotificacionOptimo;
        QStringList avisos;
        EXPECT_FALSE(ComandoCalcular(problema, celdas, [&](const QString& a) { avisos << a; }));
        EXPECT_EQ(avisos, QStringList{AvisoCostesNoComparables});
    }
}

// A plan that runs short after the lead time prices its shortage as a saving: it is never the
// cheapest and gets "con roturas" in place of a percentage. Shortages within the lead time, which
// no plan avoids, rank as before.
TEST(Comparacion, UnPlanConRoturasNoEsElMasBarato) {
    TextosProblema problema = Ejemplo(LotificacionLoteALote);
    TextosCelda celdas = CeldasEjemplo();
    std::optional<ResultadoCalculo> r = ComandoCalculoManual(problema, celdas, SinAvisos);
    ASSERT_TRUE(r);
    const FilaComparacion& manual = r->Comparacion.Filas.back();
    EXPECT_EQ(manual.CosteTotal, -1840);
    EXPECT_TRUE(manual.ConRoturas);
    EXPECT_EQ(manual.PeriodosConRotura, std::vector<int>({2, 3, 4, 5, 6, 7, 8}));
    EXPECT_FALSE(manual.SobreOptimo);
    EXPECT_EQ(MasBaratos(*r),
              std::vector<bool>({false, false, true, true, true, true, false, false}));
    const TextosFilaComparacion textos = TextosComparacion(r->Comparacion).back();
    EXPECT_EQ(textos.Celdas.last(), "con roturas");
    EXPECT_EQ(textos.Roturas, "2–8");

    problema.TS = "2";
    problema.NPeriodos = "4";
    celdas = CeldasIniciales(4);
    PonerFila(celdas, FilaNB, {"20", "30", "40", "10"});
    r = ComandoCalcular(problema, celdas, SinAvisos);
    ASSERT_TRUE(r);
    for (const FilaComparacion& fila : r->Comparacion.Filas) {
        SCOPED_TRACE(fila.Metodo);
        EXPECT_EQ(fila.PeriodosConRotura, std::vector<int>({1, 2}));
        EXPECT_FALSE(fila.ConRoturas);
        EXPECT_TRUE(fila.SobreOptimo);
    }
    const std::vector<bool> marcados = MasBaratos(*r);
    EXPECT_NE(std::find(marcados.begin(), marcados.end(), true), marcados.end());
    EXPECT_EQ(TextosComparacion(r->Comparacion).front().Roturas, "1–2");
}

// The panel's figures are rounded for reading, the exact ones kept for the tool tips.
TEST(Comparacion, CifrasRedondeadasYExactas) {
    TextosProblema problema = Ejemplo(LotificacionEOQ, "100", "0,3");
    problema.Redondear = false;
    TextosCelda celdas = CeldasEjemplo();
    const std::optional<ResultadoCalculo> r = ComandoCalcular(problema, celdas, SinAvisos);
    ASSERT_TRUE(r);
    const TextosFilaComparacion eoq = TextosComparacion(r->Comparacion).at(1);
    const FilaComparacion& fila = r->Comparacion.Filas.at(1);
    EXPECT_EQ(eoq.Celdas[1], CifraLegible(fila.CosteTotal));
    EXPECT_EQ(eoq.Exactas[1], FloatToStr(fila.CosteTotal));
    EXPECT_NE(eoq.Celdas[1], eoq.Exactas[1]);
    EXPECT_EQ(TextosComparacion(r->Comparacion, 0).at(1).Celdas[1],
              CifraLegible(fila.CosteTotal, 0));
}
