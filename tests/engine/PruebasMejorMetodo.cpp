// The best of the methods: the totals it compares and the choice it makes from them.
#include "TablasPrueba.h"

#include <array>

namespace {

struct CasoTotales {
    const char* nombre;
    Problema problema;
    std::array<double, 6> totales; // codes 0 to 5
    std::int32_t elegido;
};

const CasoTotales CasosTotales[] = {
    // Codes 2 to 5 tie at 635: the lowest code keeps the choice.
    {"OchoPeriodosEmpatanYGanaPOQ", OchoPeriodos, {710, 1075, 635, 635, 635, 635}, LotificacionPOQ},
    {"PicoTempranoGanaLoteALote",
     PicoTemprano,
     {300, 426, 400, 350, 400, 400},
     LotificacionLoteALote},
    // EOQ, POQ and least unit cost cost less than lot-for-lot's 2e12, but no total
    // gets below 99999999999, so lot-for-lot keeps the choice.
    {"NingunTotalBajaDelInicial",
     {2, 0, 0, 1e12, 1, 0, {10, 10}},
     {2e12, 1e12 + 4472126 + 4472116, 1e12 + 10, 2e12, 1e12 + 10, 2e12},
     LotificacionLoteALote},
    // Requirements within the lead time: no heuristic may win by never ordering, which the
    // negative holding cost of the backlog would otherwise reward.
    {"RetrasoEnPlazoNoPremiaNoPedir",
     {5, 2, 0, 100, 1, 0, {20, 30, 10, 10, 10}},
     {230, 214, 60, 60, 140, 60},
     LotificacionPOQ},
};

class Totales : public testing::TestWithParam<CasoTotales> {};

TEST_P(Totales, CadaMetodoCuestaLoSuyoYGanaElMasBarato) {
    const CasoTotales& caso = GetParam();
    const Problema& p = caso.problema;
    for (TipoLotificacion m = LotificacionLoteALote; m <= LotificacionSilverMeal; ++m)
        EXPECT_EQ(Resolver(m, p).Costes.CTotal[p.N + 1], caso.totales[m]) << "código " << m;

    const Resultado mejor = Resolver(LotificacionMejor, p);
    EXPECT_EQ(mejor.Elegido, caso.elegido);
    const Resultado ganador = Resolver(caso.elegido, p);
    EXPECT_EQ(mejor.Tabla, ganador.Tabla);
    EXPECT_EQ(mejor.Costes, ganador.Costes);
}

INSTANTIATE_TEST_SUITE_P(Motor, Totales, testing::ValuesIn(CasosTotales),
                         [](const auto& instancia) { return std::string(instancia.param.nombre); });

// Unrounded, EOQ's lot of 114.56 costs less than the rounded one, but still not below 635.
TEST(Totales, SinRedondeoSoloCambiaEOQ) {
    for (TipoLotificacion m = LotificacionLoteALote; m <= LotificacionSilverMeal; ++m) {
        const double redondeado = Resolver(m, OchoPeriodos, true).Costes.CTotal[9];
        const double sinRedondear = Resolver(m, OchoPeriodos, false).Costes.CTotal[9];
        if (m == LotificacionEOQ)
            EXPECT_NE(redondeado, sinRedondear);
        else
            EXPECT_EQ(redondeado, sinRedondear) << "código " << m;
    }
    EXPECT_EQ(Resolver(LotificacionMejor, OchoPeriodos, false).Elegido, LotificacionPOQ);
}

} // namespace
