// The optimal plan: the worked figures, the lead time's backlog, scheduled receipts inside a lot,
// ties, every plan of its family tried on small problems, and never above the other methods.
#include "PlanOptimo.h"
#include "ProblemasMotorAzar.h"
#include "TablasPrueba.h"

#include <algorithm>
#include <map>
#include <vector>

namespace {

struct CasoOptimo {
    const char* nombre;
    Problema problema;
    Fila PPL; // entries 1 to N + 1
    double total;
};

const CasoOptimo CasosOptimo[] = {
    {"OchoPeriodos", OchoPeriodos, {50, 130, 0, 170, 0, 115, 0, 0, 0}, 600},
    {"PicoTempranoEsLoteALote", PicoTemprano, {10, 200, 0, 0, 0, 0, 30, 0}, 300},
    // The backlog of periods 1 and 2 cannot be received before period 3, whose lot covers it
    // together with period 4.
    {"AtrasoDelPlazo", {4, 2, 0, 100, 1, 0, {20, 30, 40, 10}}, {100, 0, 0, 0, 0}, 40},
    // The receipt of period 3 stays inside the lot's run and shortens the lot by its 60 units.
    {"RecepcionDentroDelLote",
     {4, 0, 0, 100, 1, 0, {40, 40, 40, 40}, {0, 0, 60, 0}},
     {100, 0, 0, 0, 0},
     220},
    // 5 | 8, 8 and 5, 8 | 8 both cost 28: the first lot that covers fewer periods wins.
    {"EmpateGanaElPrimerLoteCorto", {3, 0, 0, 10, 1, 0, {5, 8, 8}}, {5, 16, 0, 0}, 28},
    {"EmpateConCostesNoExactos", {3, 0, 0, 1, 0.1, 0, {5, 8, 8}}, {5, 16, 0, 0}, 2.8},
    {"EmpateDeUnoODosLotes", {2, 0, 0, 10, 1, 0, {10, 10}}, {10, 10, 0}, 20},
    // Stock enough for the whole horizon: no order at all.
    {"SinNecesidades", {3, 1, 5, 100, 1, 100, {20, 30, 40}}, {0, 0, 0, 0}, 80 + 50 + 10},
};

class Optimo : public testing::TestWithParam<CasoOptimo> {};

TEST_P(Optimo, PlanYCoste) {
    const CasoOptimo& caso = GetParam();
    const Resultado r = Resolver(LotificacionOptimo, caso.problema);
    EXPECT_EQ(Entradas(r.Tabla.PPL, caso.problema.N + 1), caso.PPL);
    EXPECT_EQ(r.Costes.CTotal[caso.problema.N + 1], caso.total);
    EXPECT_EQ(r.Elegido, -1);
}

INSTANTIATE_TEST_SUITE_P(Motor, Optimo, testing::ValuesIn(CasosOptimo),
                         [](const auto& instancia) { return std::string(instancia.param.nombre); });

TEST(Optimo, ElEjemploDeLotesPorCosteEsElPlanDeLoteALote) {
    EXPECT_EQ(Resolver(LotificacionOptimo, PicoTemprano).Tabla,
              Resolver(LotificacionLoteALote, PicoTemprano).Tabla);
}

// A plan of the family: its lot starts, each lot covering up to the next start.
struct PlanDeFamilia {
    double total;
    std::vector<int> periodosPorLote;
    Fila PPL;
};

// Every plan of the family, sized from the running largest net requirement c.
std::vector<PlanDeFamilia> Familia(const ProblemaAzar& p) {
    TTablaMRP base = p.Tabla;
    Reproyectar({p.N, p.TS, p.SS}, base);
    std::vector<double> c(static_cast<std::size_t>(p.N) + 1, 0.0);
    std::vector<int> subidas;
    for (int q = p.TS + 1; q <= p.N; ++q) {
        c[q] = std::max(c[q - 1], base.NN[q]);
        if (c[q] > c[q - 1]) subidas.push_back(q);
    }
    std::vector<PlanDeFamilia> planes;
    const std::size_t opcionales = subidas.empty() ? 0 : subidas.size() - 1;
    for (unsigned mascara = 0; mascara < (1u << opcionales); ++mascara) {
        std::vector<int> inicios;
        for (std::size_t i = 0; i < subidas.size(); ++i)
            if (i == 0 || (mascara >> (i - 1) & 1u)) inicios.push_back(subidas[i]);
        TTablaMRP t = p.Tabla;
        PlanDeFamilia plan;
        for (std::size_t i = 0; i < inicios.size(); ++i) {
            const int k = inicios[i];
            const int fin = i + 1 < inicios.size() ? inicios[i + 1] - 1 : p.N;
            t.PPL[k - p.TS] = c[fin] - c[k - 1];
            plan.periodosPorLote.push_back(fin - k + 1);
        }
        Reproyectar({p.N, p.TS, p.SS}, t);
        TCostesMRP costes;
        CalcularCostes({p.N, 0, 0, p.CE, p.CP}, t, costes);
        plan.total = costes.CTotal[p.N + 1];
        plan.PPL = Entradas(t.PPL, p.N);
        planes.push_back(plan);
    }
    return planes;
}

// Whole costs keep every total exact, so the cheapest and the ties are exactly those of the
// definition.
TEST(Optimo, EsElMasBaratoDeSuFamiliaYDesempataComoDice) {
    ProblemasMotorAzar azar(20240611, 11);
    for (int n = 0; n < 1500; ++n) {
        ProblemaAzar p = azar.Siguiente();
        p.CE = std::nearbyint(p.CE);
        p.CP = std::max(1.0, std::nearbyint(p.CP));
        SCOPED_TRACE(testing::Message() << "problema " << n << " N " << p.N << " TS " << p.TS);
        const std::vector<PlanDeFamilia> familia = Familia(p);
        const PlanDeFamilia& mejor = *std::min_element(
            familia.begin(), familia.end(), [](const PlanDeFamilia& a, const PlanDeFamilia& b) {
                return a.total != b.total ? a.total < b.total
                                          : a.periodosPorLote < b.periodosPorLote;
            });
        TTablaMRP plan;
        EXPECT_EQ(CosteTotal(LotificacionOptimo, p, &plan), mejor.total);
        EXPECT_EQ(Entradas(plan.PPL, p.N), mejor.PPL);
    }
}

// The six methods' plans also keep every period after the lead time at the safety stock or
// above, so none of them can be cheaper than the cheapest such plan; one of equal cost may have a
// total lower in its last bits, its costs summed in another order.
TEST(Optimo, NuncaPorEncimaDeLosMetodosComparados) {
    ProblemasMotorAzar azar(7);
    for (int n = 0; n < 4000; ++n) {
        const ProblemaAzar p = azar.Siguiente();
        SCOPED_TRACE(testing::Message() << "problema " << n << " N " << p.N << " TS " << p.TS);
        TTablaMRP plan;
        const double optimo = CosteTotal(LotificacionOptimo, p, &plan);
        for (const TipoLotificacion m : MetodosComparados) {
            const double coste = CosteTotal(m, p);
            EXPECT_TRUE(optimo <= coste || TotalesIguales(optimo, coste))
                << "método " << m << ": " << optimo << " frente a " << coste;
        }
        for (int i = p.TS + 1; i <= p.N; ++i) EXPECT_GE(plan.D[i + 1], p.SS) << "periodo " << i;
    }
}

} // namespace

namespace {

// The triangular table as the optimum reports it, and the least cost on from each start.
struct Triangulo : ObservadorLotificacion {
    std::map<int, std::map<int, double>> celdas; // by start, then by the lot's last period
    std::map<int, SucesoCosteDesde> desde;
    std::vector<SucesoLoteOptimo> lotes;
    void Oir(const SucesoOido& suceso) override {
        if (const auto* c = suceso.Como<SucesoCandidatoOptimo>())
            celdas[c->Inicio][c->Fin] = c->Coste;
        else if (const auto* d = suceso.Como<SucesoCosteDesde>())
            desde.emplace(d->Periodo, *d);
        else if (const auto* l = suceso.Como<SucesoLoteOptimo>())
            lotes.push_back(*l);
    }
};

} // namespace

// Every row of the triangle holds its start's least cost, at the end the search chose, and the
// plan's lots are cells of it; listening changes no plan.
TEST(Optimo, LaTablaTriangularLlevaAlPlan) {
    ProblemasMotorAzar azar(20261209);
    for (int caso = 0; caso < 300; ++caso) {
        const ProblemaAzar p = azar.Siguiente();
        SCOPED_TRACE(caso);
        const TParametrosMRP P{p.N, p.TS, p.SS, p.CE, p.CP, true};
        TTablaMRP sola = p.Tabla, oida = p.Tabla;
        PlanOptimo(P, sola);
        Triangulo triangulo;
        PlanOptimo<ObservadorRegistro>(P, oida, nullptr, triangulo);
        EXPECT_EQ(oida, sola);
        ASSERT_EQ(triangulo.celdas.size(), triangulo.desde.size());
        for (const auto& [inicio, fila] : triangulo.celdas) {
            const SucesoCosteDesde& menor = triangulo.desde.at(inicio);
            double minimo = fila.begin()->second;
            for (const auto& [fin, coste] : fila) minimo = std::min(minimo, coste);
            EXPECT_EQ(minimo, menor.Coste) << inicio;
            ASSERT_TRUE(fila.count(menor.Fin)) << inicio;
            EXPECT_EQ(fila.at(menor.Fin), menor.Coste) << inicio;
        }
        for (const SucesoLoteOptimo& lote : triangulo.lotes)
            EXPECT_TRUE(triangulo.celdas[lote.Recepcion].count(lote.Fin)) << lote.Recepcion;
    }
}
