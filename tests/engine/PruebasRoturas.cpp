// Shortages: which periods run short, a residue of the sums that is none, and whether a plan runs
// short where a receipt could have reached (which keeps it from being the cheapest).
#include "MasBarato.h"
#include "TablasPrueba.h"

namespace {

struct CasoRoturas {
    const char* nombre;
    Problema problema;
    Fila PPL;                // the releases re-projected; lot-for-lot plans when empty
    std::vector<int> cortos; // the periods that run short
    bool descartado;
};

const CasoRoturas Casos[] = {
    {"LoteALoteCubreTodo", {8, 1, 0, 100, 1, 60, {50, 60, 70, 60, 95, 75, 60, 55}}, {}, {}, false},
    // Nothing can arrive before period 2: the first period's shortage is no plan's doing.
    {"DentroDelPlazo", {2, 1, 0, 100, 1, 0, {20, 30}}, {}, {1}, false},
    {"SinPedidos", {4, 1, 0, 100, 1, 10, {5, 10, 10, 10}}, {0, 0, 0, 0}, {2, 3, 4}, true},
    {"UnPedidoQueNoBasta", {3, 0, 0, 100, 1, 0, {10, 10, 10}}, {25, 0, 0}, {3}, true},
    // The scheduled receipt of period 3 comes too late for period 2 and within the lead time.
    {"RecepcionTardia", {3, 2, 0, 100, 1, 0, {0, 10, 0}, {0, 0, 10}}, {0, 0, 0}, {2}, false},
    // 0.3 - 0.1 - 0.2 leaves -2.8e-17 of stock: a residue, not a shortage.
    {"ResiduoDeLaSuma", {3, 0, 0, 100, 1, 0.3, {0.1, 0.2, 0}}, {0, 0, 0}, {}, false},
};

class Roturas : public testing::TestWithParam<CasoRoturas> {};

TEST_P(Roturas, PeriodosCortosYDescarte) {
    const CasoRoturas& caso = GetParam();
    const Problema& p = caso.problema;
    const TParametrosMRP P{p.N, p.TS, p.SS, p.CE, p.CP, true};
    TTablaMRP tabla = TablaDe(p);
    if (caso.PPL.empty()) {
        std::int32_t elegido = 0;
        Lotificar(LotificacionLoteALote, P, tabla, elegido);
    } else {
        Copiar(caso.PPL, tabla.PPL);
        Reproyectar(P, tabla);
    }
    const RoturasDelPlan roturas = ::Roturas(P, tabla);
    std::vector<int> cortos;
    for (int k = 1; k <= p.N; ++k)
        if (roturas.EnPeriodo[std::size_t(k)]) cortos.push_back(k);
    EXPECT_EQ(cortos, caso.cortos);
    EXPECT_EQ(roturas.DespuesDelPlazo, caso.descartado);
    EXPECT_EQ(DescartadoPorRoturas(P, tabla), caso.descartado);
}

INSTANTIATE_TEST_SUITE_P(Motor, Roturas, testing::ValuesIn(Casos),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

} // namespace
