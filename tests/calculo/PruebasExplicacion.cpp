// How each plan was made: the candidate tables, windows, backlogs and choices of the worked
// examples, as recorded and as written; and, on random problems, that recording changes no plan
// and that the recorded lots are the plan's receipts.
#include "AyudasRejilla.h"
#include "CalculoProblema.h"
#include "ExplicacionEOQ.h"
#include "ExplicacionLoteALote.h"
#include "ExplicacionManual.h"
#include "ExplicacionMejor.h"
#include "ExplicacionOptimo.h"
#include "ExplicacionPOQ.h"
#include "ExplicacionPorCoste.h"
#include "MensajeDe.h"
#include "Numeros.h"
#include "SinAvisos.h"
#include "TablaRejilla.h"
#include "TextosExplicacion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

struct Datos {
    QString N = "8", TS = "1", SS = "0", CE = "100", CP = "1";
    QStringList NB{"50", "60", "70", "60", "95", "75", "60", "55"};
    QString D1 = "60";
    QStringList PPL; // a manual calculation when not empty
};

ResultadoCalculo Calcular(TipoLotificacion metodo, const Datos& d = {}) {
    TextosProblema problema;
    problema.NPeriodos = d.N;
    problema.TS = d.TS;
    problema.SS = d.SS;
    problema.CE = d.CE;
    problema.CP = d.CP;
    problema.Metodo = metodo;
    TextosCelda celdas = CeldasIniciales(d.N.toInt());
    PonerFila(celdas, FilaNB, d.NB);
    PonerFila(celdas, FilaD, {d.D1});
    PonerFila(celdas, FilaPPL, d.PPL);
    const std::optional<ResultadoCalculo> r =
        d.PPL.isEmpty() ? ComandoCalcular(problema, celdas, SinAvisos)
                        : ComandoCalculoManual(problema, celdas, SinAvisos);
    if (!r) throw std::runtime_error("sin cálculo");
    return *r;
}

// What the explanation of type E recorded: the method's own, or after "Mejor de las anteriores"
// the winner's unless E is the choice's own.
template <class E> const E& Decisiones(const ExplicacionCalculo& explicacion) {
    const ExplicacionMetodo* decisiones = explicacion.Decisiones.get();
    if (const auto* mejor = dynamic_cast<const ExplicacionMejor*>(decisiones);
        mejor && !std::is_same_v<E, ExplicacionMejor>)
        decisiones = mejor->DelGanador.get();
    const E* propias = dynamic_cast<const E*>(decisiones);
    if (!propias) throw std::runtime_error("la explicación es de otro método");
    return *propias;
}
template <class E> const E& Decisiones(const ResultadoCalculo& r) {
    return Decisiones<E>(r.Explicacion);
}

const Datos EjemploB{"7", "0", "0", "100", "1", {"10", "200", "0", "0", "0", "0", "30"}, "0", {}};

// The block with that heading.
BloqueExplicacion Bloque(const ResultadoCalculo& r, const QString& titulo) {
    for (const BloqueExplicacion& bloque : TextosExplicacion(r))
        if (bloque.Titulo == titulo) return bloque;
    ADD_FAILURE() << "sin bloque " << titulo.toStdString();
    return {};
}

struct Esperado {
    int j;
    double r, H, v;
    Candidatura estado;
};

void ComprobarCandidatos(const LoteExplicado& lote, const std::vector<Esperado>& esperados) {
    ASSERT_EQ(lote.Candidatos.size(), esperados.size());
    for (std::size_t i = 0; i < esperados.size(); ++i) {
        SCOPED_TRACE(esperados[i].j);
        const CandidatoExplicado& c = lote.Candidatos[i];
        EXPECT_EQ(c.j, esperados[i].j);
        EXPECT_EQ(c.r, esperados[i].r);
        EXPECT_EQ(c.H, esperados[i].H);
        EXPECT_NEAR(c.v, esperados[i].v, 5e-3);
        EXPECT_EQ(c.Estado, esperados[i].estado);
    }
}

constexpr auto Mejor = Candidatura::Mejor;
constexpr auto Empate = Candidatura::Empate;
constexpr auto Peor = Candidatura::Peor;
constexpr auto Parada = Candidatura::Parada;

} // namespace

// Example A, first lot: the three criteria evaluate the same r and H; 3 and 4 stop at j = 4,
// Silver-Meal runs to the end; all choose bj = 3, a lot of 120 released in period 1.
TEST(Explicacion, EjemploAPrimerLoteDeLosTresCriterios) {
    const ResultadoCalculo total = Calcular(LotificacionMinimoCosteTotal);
    const ResultadoCalculo unitario = Calcular(LotificacionMinimoCosteUnitario);
    const ResultadoCalculo silver = Calcular(LotificacionSilverMeal);
    ComprobarCandidatos(Decisiones<ExplicacionPorCoste>(total).Lotes.at(0),
                        {{2, 50, 0, 100, Mejor}, {3, 70, 70, 30, Mejor}, {4, 60, 190, 90, Parada}});
    ComprobarCandidatos(
        Decisiones<ExplicacionPorCoste>(unitario).Lotes.at(0),
        {{2, 50, 0, 2, Mejor}, {3, 70, 70, 1.4167, Mejor}, {4, 60, 190, 1.6111, Parada}});
    ComprobarCandidatos(Decisiones<ExplicacionPorCoste>(silver).Lotes.at(0),
                        {{2, 50, 0, 100, Mejor},
                         {3, 70, 70, 85, Mejor},
                         {4, 60, 190, 96.667, Peor},
                         {5, 95, 475, 143.75, Peor},
                         {6, 75, 775, 175, Peor},
                         {7, 60, 1075, 195.83, Peor},
                         {8, 55, 1405, 215, Peor}});
    for (const ResultadoCalculo* r : {&total, &unitario, &silver}) {
        std::vector<std::tuple<int, int, double, int>> lotes;
        for (const LoteExplicado& l : Decisiones<ExplicacionPorCoste>(*r).Lotes)
            lotes.emplace_back(l.k, l.bj, l.Cantidad, l.Emision);
        EXPECT_EQ(lotes, (std::vector<std::tuple<int, int, double, int>>{
                             {2, 3, 120, 1}, {4, 5, 155, 3}, {6, 7, 135, 5}, {8, 8, 55, 7}}));
    }

    const BloqueExplicacion primero = Bloque(total, "Lote 1: recibido en el periodo k = 2");
    EXPECT_EQ(primero.Cabecera, QStringList({"j", "r", "H", "v", "Decisión"}));
    ASSERT_EQ(primero.Filas.size(), 3u);
    EXPECT_EQ(primero.Filas[0], QStringList({"2", "50", "0", "100", "Nuevo mejor"}));
    EXPECT_EQ(primero.Filas[1], QStringList({"3", "70", "70", "30", "Nuevo mejor: elegido"}));
    EXPECT_EQ(primero.Filas[2],
              QStringList({"4", "60", "190", "90", "Mayor que el mejor: se detiene"}));
    EXPECT_EQ(primero.Destacadas, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(primero.Notas,
              QStringList({"La búsqueda se detiene en j = 4: su valor, 90, es mayor que el mejor, "
                           "30.",
                           "Se elige bj = 3: un lote de 120 que cubre los periodos 2 a 3, "
                           "recibido en el periodo 2 y emitido en el periodo 1."}));
    EXPECT_EQ(Bloque(silver, "Lote 1: recibido en el periodo k = 2").Notas.at(0),
              "La búsqueda llega al final del horizonte (j = 8).");
}

// Example B: ties never stop code 3 and never replace its best; Silver-Meal goes past a rise.
TEST(Explicacion, EjemploBEmpatesYSubidaDeSilverMeal) {
    const ResultadoCalculo total = Calcular(LotificacionMinimoCosteTotal, EjemploB);
    ComprobarCandidatos(Decisiones<ExplicacionPorCoste>(total).Lotes.at(0),
                        {{1, 10, 0, 100, Mejor},
                         {2, 200, 200, 100, Empate},
                         {3, 0, 200, 100, Empate},
                         {4, 0, 200, 100, Empate},
                         {5, 0, 200, 100, Empate},
                         {6, 0, 200, 100, Empate},
                         {7, 30, 380, 280, Parada}});
    const LoteExplicado& segundo = Decisiones<ExplicacionPorCoste>(total).Lotes.at(1);
    EXPECT_EQ(segundo.k, 2);
    EXPECT_EQ(segundo.Candidatos.back().j, 7);
    EXPECT_EQ(segundo.Candidatos.back().v, 50);
    EXPECT_EQ(segundo.bj, 7);
    EXPECT_EQ(segundo.Cantidad, 230);
    EXPECT_EQ(Bloque(total, "Lote 1: recibido en el periodo k = 1").Filas.at(1).at(4),
              "Igual al mejor: sigue j = 1");

    const ResultadoCalculo silver = Calcular(LotificacionSilverMeal, EjemploB);
    ComprobarCandidatos(Decisiones<ExplicacionPorCoste>(silver).Lotes.at(0),
                        {{1, 10, 0, 100, Mejor},
                         {2, 200, 200, 150, Peor},
                         {3, 0, 200, 100, Empate},
                         {4, 0, 200, 75, Mejor},
                         {5, 0, 200, 60, Mejor},
                         {6, 0, 200, 50, Mejor},
                         {7, 30, 380, 68.571, Peor}});
    EXPECT_EQ(Decisiones<ExplicacionPorCoste>(silver).Lotes.at(0).bj, 6);
    EXPECT_EQ(Decisiones<ExplicacionPorCoste>(silver).Lotes.at(0).Cantidad, 210);
}

TEST(Explicacion, VentanasDePOQ) {
    const ResultadoCalculo r = Calcular(LotificacionPOQ);
    const ExplicacionPOQ& e = Decisiones<ExplicacionPOQ>(r);
    EXPECT_EQ(e.Demanda->Media, 65.625);
    EXPECT_NEAR(e.Intervalo->Cociente, 1.7457, 1e-4);
    EXPECT_EQ(e.Intervalo->P, 2);
    EXPECT_EQ(e.PrimeraEmision, 1);
    ASSERT_EQ(e.Ventanas.size(), 4u);
    EXPECT_EQ(e.Ventanas[3].Desde, 7);
    EXPECT_EQ(e.Ventanas[3].Hasta, 8);
    EXPECT_EQ(e.Ventanas[3].Total, 55);

    const BloqueExplicacion ventanas = Bloque(r, "POQ: ventanas");
    EXPECT_EQ(ventanas.Filas,
              (std::vector<QStringList>{{"1–2", "50 (periodo 1) + 70 (periodo 2)", "120", "1"},
                                        {"3–4", "60 (periodo 3) + 95 (periodo 4)", "155", "3"},
                                        {"5–6", "75 (periodo 5) + 60 (periodo 6)", "135", "5"},
                                        {"7–8", "55 (periodo 7)", "55", "7"}}));
    EXPECT_EQ(Bloque(r, "POQ: intervalo de pedido").Parrafos.last(),
              "P = Q / m redondeado al entero más próximo (un medio, al par) = 2 periodos.");
}

// Q / m = 0.447 rounds to 0: the interval is taken as 1, the plan of lot-for-lot.
TEST(Explicacion, IntervaloCeroSeTomaComoUno) {
    const ResultadoCalculo r =
        Calcular(LotificacionPOQ, {"4", "0", "0", "1", "1", {"10", "10", "10", "10"}, "0", {}});
    EXPECT_EQ(Decisiones<ExplicacionPOQ>(r).Intervalo->Redondeado, 0);
    EXPECT_EQ(Decisiones<ExplicacionPOQ>(r).Intervalo->P, 1);
    EXPECT_EQ(Decisiones<ExplicacionPOQ>(r).Ventanas.size(), 4u);
    EXPECT_TRUE(Bloque(r, "POQ: intervalo de pedido")
                    .Parrafos.last()
                    .startsWith("Q / m redondeado al entero más próximo da 0: un intervalo así no "
                                "avanzaría, de modo que se toma P = 1 periodo"));
}

// What falls within the lead time cannot be released: lot-for-lot keeps it as a backlog, and a
// cost-based lot whose k lies there is chosen but not released.
TEST(Explicacion, AtrasoDentroDelPlazo) {
    const ResultadoCalculo loteALote =
        Calcular(LotificacionLoteALote, {"2", "1", "0", "12,5", "0,5", {"20", "30"}, "0", {}});
    const std::vector<std::tuple<int, double, double, int>> esperados{{1, 20, 0, 0},
                                                                      {2, 50, 50, 1}};
    std::vector<std::tuple<int, double, double, int>> periodos;
    for (const PeriodoExplicado& p : Decisiones<ExplicacionLoteALote>(loteALote).Periodos)
        periodos.emplace_back(p.Periodo, p.Neta, p.Recibido, p.Emision);
    EXPECT_EQ(periodos, esperados);
    const BloqueExplicacion bloque = Bloque(loteALote, "Lote a lote");
    EXPECT_EQ(bloque.Filas.at(0), QStringList({"1", "20", "—", "ninguna"}));
    EXPECT_TRUE(bloque.Notas.last().startsWith("El periodo 1 está dentro del plazo de suministro"));

    const ResultadoCalculo total = Calcular(
        LotificacionMinimoCosteTotal, {"4", "2", "0", "100", "1", {"30", "0", "0", "40"}, "0", {}});
    ASSERT_FALSE(Decisiones<ExplicacionPorCoste>(total).Lotes.empty());
    EXPECT_EQ(Decisiones<ExplicacionPorCoste>(total).Lotes[0].k, 1);
    EXPECT_EQ(Decisiones<ExplicacionPorCoste>(total).Lotes[0].Emision, 0);
    EXPECT_TRUE(Bloque(total, "Lote 1: recibido en el periodo k = 1")
                    .Notas.last()
                    .contains("dentro del plazo de suministro: no puede emitirse"));
}

// Example A under "Mejor de las anteriores": POQ wins the tie at 635 by its lower code, and its
// own decisions follow, recorded once.
TEST(Explicacion, MejorDeLasAnterioresYSuGanador) {
    const ResultadoCalculo r = Calcular(LotificacionMejor);
    EXPECT_EQ(r.Explicacion.Metodo, LotificacionPOQ);
    std::vector<std::tuple<TipoLotificacion, double, bool>> totales;
    for (const TotalExplicado& t : Decisiones<ExplicacionMejor>(r).Totales)
        totales.emplace_back(t.Metodo, t.Total, t.Elegido);
    EXPECT_EQ(totales, (std::vector<std::tuple<TipoLotificacion, double, bool>>{{0, 710, true},
                                                                                {1, 1075, false},
                                                                                {2, 635, true},
                                                                                {3, 635, false},
                                                                                {4, 635, false},
                                                                                {5, 635, false}}));
    EXPECT_EQ(Decisiones<ExplicacionPOQ>(r).Ventanas.size(), 4u);
    const BloqueExplicacion mejor = Bloque(r, "Mejor de las anteriores");
    EXPECT_EQ(mejor.Destacadas, (std::vector<bool>{false, false, true, false, false, false}));
    EXPECT_EQ(mejor.Filas.at(3).at(2), "Igual al mejor: sigue POQ");
    EXPECT_EQ(mejor.Notas.at(1), "Mínimo coste total, Mínimo coste unitario y Método Silver-Meal "
                                 "cuestan lo mismo, pero POQ va antes en la lista.");
}

TEST(Explicacion, OptimoYCalculoManual) {
    const ResultadoCalculo optimo = Calcular(LotificacionOptimo);
    std::vector<std::tuple<int, int, int, double>> lotes;
    for (const LoteOptimoExplicado& l : Decisiones<ExplicacionOptimo>(optimo).LotesOptimos)
        lotes.emplace_back(l.Recepcion, l.Emision, l.Fin, l.Cantidad);
    EXPECT_EQ(lotes, (std::vector<std::tuple<int, int, int, double>>{
                         {2, 1, 2, 50}, {3, 2, 4, 130}, {5, 4, 6, 170}, {7, 6, 8, 115}}));
    ASSERT_FALSE(Decisiones<ExplicacionOptimo>(optimo).CostesDesde.empty());
    EXPECT_EQ(Decisiones<ExplicacionOptimo>(optimo).CostesDesde.front().Periodo, 2);
    EXPECT_EQ(Decisiones<ExplicacionOptimo>(optimo).CostesDesde.back().Periodo, 8);

    Datos manual;
    manual.PPL = QStringList{"120", "0", "155", "0", "135", "0", "55", "40"};
    const ResultadoCalculo r = Calcular(-1, manual);
    std::vector<std::tuple<int, double, int>> emisiones;
    for (const EmisionManualExplicada& e : Decisiones<ExplicacionManual>(r).Emisiones)
        emisiones.emplace_back(e.Emision, e.Cantidad, e.Recepcion);
    EXPECT_EQ(emisiones, (std::vector<std::tuple<int, double, int>>{
                             {1, 120, 2}, {3, 155, 4}, {5, 135, 6}, {7, 55, 8}, {8, 40, 0}}));
    EXPECT_EQ(Bloque(r, "Cálculo manual").Filas.back(),
              QStringList({"8", "40", "después del horizonte: no se recibe"}));
}

// On random problems of every kind, recording leaves the plan as Lotificar makes it, and the lots
// the explanation tells are exactly the plan's receipts.
TEST(Explicacion, LoRegistradoEsElPlan) {
    std::mt19937 azar(20261208);
    int comprobados = 0;
    for (int caso = 0; caso < 400; ++caso) {
        Articulo p;
        p.N = 1 + int(azar() % 20);
        p.TS = int(azar() % 4);
        p.SS = azar() % 4 == 0 ? 15 : 0;
        p.CE = 20 + azar() % 200;
        p.CP = 0.5 + azar() % 3;
        p.Redondear = azar() % 2;
        p.Entrada.D[1] = azar() % 3 == 0 ? azar() % 300 : 0;
        for (int i = 1; i <= p.N; ++i) {
            p.Entrada.NB[i] = azar() % 5 == 0 ? -double(azar() % 30) : double(azar() % 200);
            p.Entrada.RP[i] = azar() % 6 == 0 ? azar() % 150 : 0;
        }
        for (const TipoLotificacion m : {0, 1, 2, 3, 4, 5, 6, 7}) {
            SCOPED_TRACE(testing::Message() << "caso " << caso << ", método " << m);
            TTablaMRP sola = p.Entrada, registrada = p.Entrada;
            std::int32_t elegido = m, elegidoRegistrado = m;
            ExplicacionCalculo e;
            const std::string fallo = MensajeDe([&] { Lotificar(m, p, sola, elegido); });
            EXPECT_EQ(MensajeDe([&] { e = LotificarExplicando(p, registrada, elegidoRegistrado); }),
                      fallo);
            if (fallo != "(ningún error)") continue;
            EXPECT_EQ(registrada, sola);
            EXPECT_EQ(elegidoRegistrado, elegido);

            TFilaMRP recepciones;
            const auto periodos = [&](const std::vector<PeriodoExplicado>& decididos) {
                for (const PeriodoExplicado& x : decididos)
                    if (x.Emision) recepciones[x.Periodo] = x.Recibido;
            };
            switch (e.Metodo) {
            case LotificacionLoteALote:
                periodos(Decisiones<ExplicacionLoteALote>(e).Periodos);
                break;
            case LotificacionEOQ:
                periodos(Decisiones<ExplicacionEOQ>(e).Periodos);
                break;
            case LotificacionPOQ:
                for (const VentanaExplicada& v : Decisiones<ExplicacionPOQ>(e).Ventanas)
                    if (v.Total != 0) recepciones[v.Desde + p.TS] = v.Total;
                break;
            case LotificacionOptimo:
                for (const LoteOptimoExplicado& l : Decisiones<ExplicacionOptimo>(e).LotesOptimos)
                    recepciones[l.Recepcion] = l.Cantidad;
                break;
            default:
                for (const LoteExplicado& l : Decisiones<ExplicacionPorCoste>(e).Lotes)
                    if (l.Emision) recepciones[l.k] = l.Cantidad;
            }
            for (int i = 1; i <= p.N; ++i) EXPECT_EQ(recepciones[i], sola.RPPL[i]) << i;
            ++comprobados;
        }
    }
    EXPECT_GT(comprobados, 2500);
}

// Silver-Meal searches to the end: the report's short form keeps the rows up to the chosen one
// and sums up the rest; the panel's table keeps them all.
TEST(Explicacion, LaFormaCortaResumeLosCandidatosSinMejora) {
    const ResultadoCalculo r = Calcular(
        LotificacionSilverMeal,
        {"8", "0", "0", "100", "1", {"10", "10", "10", "10", "300", "300", "300", "300"}, "0", {}});
    const BloqueExplicacion lote = Bloque(r, "Lote 1: recibido en el periodo k = 1");
    ASSERT_EQ(lote.Filas.size(), 8u);
    EXPECT_EQ(lote.Filas[3].at(4), "Nuevo mejor: elegido");
    ASSERT_EQ(lote.Omitibles.size(), 1u);
    EXPECT_EQ(lote.Omitibles[0].Desde, 4u);
    EXPECT_EQ(lote.Omitibles[0].Hasta, 8u);
    EXPECT_EQ(lote.Omitibles[0].Resumen, "… 4 candidatos más, ninguno mejor (j = 5 a 8)");
    // A search that stops right after its choice leaves nothing to sum up.
    EXPECT_TRUE(
        Bloque(Calcular(LotificacionMinimoCosteTotal), "Lote 1: recibido en el periodo k = 2")
            .Omitibles.empty());
}

// The optimum's triangular table: a row per start, a column per last period, the plan's lots
// highlighted; figures rounded, the same cells exact with DecimalesExactos.
TEST(Explicacion, TablaTriangularDelOptimo) {
    const ResultadoCalculo r = Calcular(LotificacionOptimo);
    const BloqueExplicacion tabla = Bloque(r, "Tabla de costes del plan óptimo");
    EXPECT_EQ(tabla.Cabecera, QStringList({"k \\ j", "2", "3", "4", "5", "6", "7", "8"}));
    ASSERT_EQ(tabla.Filas.size(), 7u); // starts 2 to 8
    EXPECT_EQ(tabla.Filas[0], QStringList({"2", "590", "600", "", "", "", "", ""}));
    // The lots 2, 3–4, 5–6 and 7–8: rows of starts 2, 3, 5, 7 at columns of ends 2, 4, 6, 8.
    using Celda = std::pair<std::size_t, std::size_t>;
    EXPECT_EQ(tabla.CeldasDestacadas, (std::vector<Celda>{{0, 1}, {1, 3}, {3, 5}, {5, 7}}));
    EXPECT_FALSE(tabla.DeTexto.at(1)) << "figures, empty cells and all";
    EXPECT_TRUE(tabla.Omitibles.empty()) << "a short table goes whole into the report";
    EXPECT_EQ(TextosExplicacion(r, DecimalesExactos).size(), TextosExplicacion(r).size());
}

// Decimals for reading; exactly as the grid writes them on demand.
TEST(Explicacion, CifrasRedondeadasOExactas) {
    Datos eoq;
    eoq.CP = "0,3";
    const ResultadoCalculo r = Calcular(LotificacionEOQ, eoq);
    const QString redondeada = Bloque(r, "EOQ: cantidad económica de pedido").Parrafos.at(1);
    EXPECT_TRUE(redondeada.endsWith("= 209,17.")) << redondeada.toStdString();
    QString exacta;
    for (const BloqueExplicacion& bloque : TextosExplicacion(r, DecimalesExactos))
        if (bloque.Titulo == "EOQ: cantidad económica de pedido") exacta = bloque.Parrafos.at(1);
    EXPECT_TRUE(exacta.endsWith("= " + FloatToStr(std::sqrt(2 * 100 * 65.625 / 0.3)) + "."))
        << exacta.toStdString();
}
