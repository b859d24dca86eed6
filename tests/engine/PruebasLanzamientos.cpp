// The releases a method plans where only they tell right from wrong: rounding, POQ's windows and
// intervals, and the methods that must fall back to lot-for-lot.
#include "TablasPrueba.h"

namespace {

struct CasoLanzamientos {
    const char* nombre;
    TipoLotificacion metodo;
    Problema problema;
    Fila PPL; // entries 1 to N
    bool redondear = true;
};

const Fila CuatroDeDiez{10, 10, 10, 10}; // mean demand 10

const CasoLanzamientos CasosLanzamientos[] = {
    // sqrt(2 * CE * m / CP) is exactly 114.5 or 115.5: halves round to the even neighbour.
    {"EOQ1145RedondeaA114", LotificacionEOQ, {1, 0, 0, 6555.125, 1, 0, {1}}, {114}},
    {"EOQ1155RedondeaA116", LotificacionEOQ, {1, 0, 0, 6670.125, 1, 0, {1}}, {116}},
    {"EOQSinRedondeo", LotificacionEOQ, {1, 0, 0, 6555.125, 1, 0, {1}}, {114.5}, false},
    // Q = 10: a larger requirement is ordered whole, an equal one orders Q.
    {"EOQPideEnteraLaNecesidadMayor",
     LotificacionEOQ,
     {3, 0, 0, 25, 6, 0, {25, 10, 1}},
     {25, 10, 10}},
    {"EOQSinDemandaMediaEsLoteALote", LotificacionEOQ, {2, 0, 0, 100, 1, 0, {10, -10}}, {10, 0}},
    // Q / m of 2.5 and of 1.5 both give an interval of 2.
    {"POQ25AgrupaDeDosEnDos",
     LotificacionPOQ,
     {4, 0, 0, 31.25, 1, 0, CuatroDeDiez},
     {20, 0, 20, 0}},
    {"POQ15AgrupaDeDosEnDos",
     LotificacionPOQ,
     {4, 0, 0, 11.25, 1, 0, CuatroDeDiez},
     {20, 0, 20, 0}},
    // The windows start at the first release, period 2, and keep their pace from there.
    {"POQVentanasDesdeElPrimerLanzamiento",
     LotificacionPOQ,
     {6, 0, 0, 35, 1, 10, {10, 15, 20, 20, 20, 20}},
     {0, 35, 0, 40, 0, 20}},
    {"POQVentanasFijasAunqueEmpiecenVacias",
     LotificacionPOQ,
     {5, 0, 0, 12, 1, 0, {10, 0, 0, 10, 10}},
     {10, 0, 10, 0, 10}},
    {"POQIntervaloEnormeJuntaTodo",
     LotificacionPOQ,
     {4, 0, 0, 1e200, 1e-100, 0, CuatroDeDiez},
     {40, 0, 0, 0}},
    {"POQIntervaloCeroEsLoteALote",
     LotificacionPOQ,
     {4, 0, 0, 1, 1, 0, CuatroDeDiez},
     CuatroDeDiez},
    {"POQIntervaloNegativoEsLoteALote",
     LotificacionPOQ,
     {4, 0, 0, -100, 1, 0, {30, 20, -100, -40}},
     {30, 20, 0, 0}},
    // Without an ordering cost every lot covers one period.
    {"EOQSinCosteDePedido", LotificacionEOQ, {3, 0, 0, 0, 1, 0, {10, 20, 30}}, {10, 20, 30}},
    {"CosteTotalSinCosteDePedido",
     LotificacionMinimoCosteTotal,
     {3, 0, 0, 0, 1, 0, {10, 20, 30}},
     {10, 20, 30}},
    {"CosteUnitarioSinCosteDePedido",
     LotificacionMinimoCosteUnitario,
     {3, 0, 0, 0, 1, 0, {10, 20, 30}},
     {10, 20, 30}},
    {"SilverMealSinCosteDePedido",
     LotificacionSilverMeal,
     {3, 0, 0, 0, 1, 0, {10, 20, 30}},
     {10, 20, 30}},
    // Periods without requirement leave H alone: Silver-Meal's criterion falls over them.
    {"SilverMealCubreLosPeriodosVacios",
     LotificacionSilverMeal,
     {4, 0, 0, 100, 1, 0, {10, 0, 0, 5}},
     {15, 0, 0, 0}},
    // A criterion must be below 99999999999 to count: none is, so each lot covers its period.
    {"CosteTotalNadaBajaDelInicial",
     LotificacionMinimoCosteTotal,
     {2, 0, 0, 1e13, 1, 0, {10, 10}},
     {10, 10}},
    {"CosteUnitarioNadaBajaDelInicial",
     LotificacionMinimoCosteUnitario,
     {2, 0, 0, 1e13, 1, 0, {10, 10}},
     {10, 10}},
    {"SilverMealNadaBajaDelInicial",
     LotificacionSilverMeal,
     {2, 0, 0, 1e13, 1, 0, {10, 10}},
     {10, 10}},
};

class Lanzamientos : public testing::TestWithParam<CasoLanzamientos> {};

TEST_P(Lanzamientos, PlaneaLosLanzamientosEsperados) {
    const CasoLanzamientos& caso = GetParam();
    const Resultado r = Resolver(caso.metodo, caso.problema, caso.redondear);
    EXPECT_EQ(Entradas(r.Tabla.PPL, caso.problema.N), caso.PPL);
}

INSTANTIATE_TEST_SUITE_P(Motor, Lanzamientos, testing::ValuesIn(CasosLanzamientos),
                         [](const auto& instancia) { return std::string(instancia.param.nombre); });

} // namespace
