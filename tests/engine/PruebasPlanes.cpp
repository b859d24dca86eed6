// Whole MRP records, every row and entry N + 1, as Lotificar and CalcularCostes leave them.
#include "TablasPrueba.h"

namespace {

struct CasoPlan {
    const char* nombre;
    TipoLotificacion metodo;
    Problema problema;
    PlanEsperado plan;
    std::int32_t elegido = -1; // what MetodoElegido holds afterwards (-1: untouched)
};

const PlanEsperado LoteALoteOcho{{60, 10, 0, 0, 0, 0, 0, 0, 0},
                                 {0, 50, 70, 60, 95, 75, 60, 55, 0},
                                 {0, 50, 70, 60, 95, 75, 60, 55, 0},
                                 {50, 70, 60, 95, 75, 60, 55, 0, 0},
                                 {100, 100, 100, 100, 100, 100, 100, 0, 0},
                                 {10, 0, 0, 0, 0, 0, 0, 0, 0},
                                 {110, 100, 100, 100, 100, 100, 100, 0, 710}};

const PlanEsperado EOQOcho{
    {60, 10, 65, 110, 50, 70, 110, 50, 110},       {0, 50, 5, 0, 45, 5, 0, 5, 0},
    {0, 115, 115, 0, 115, 115, 0, 115, 0},         {115, 115, 0, 115, 115, 0, 115, 0, 0},
    {100, 100, 0, 100, 100, 0, 100, 0, 0},         {10, 65, 110, 50, 70, 110, 50, 110, 0},
    {110, 165, 110, 150, 170, 110, 150, 110, 1075}};

// POQ's plan, which the three cost-driven methods reach too.
const PlanEsperado AgrupadoOcho{
    {60, 10, 70, 0, 95, 0, 60, 0, 0},        {0, 50, 0, 60, 0, 75, 0, 55, 0},
    {0, 120, 0, 155, 0, 135, 0, 55, 0},      {120, 0, 155, 0, 135, 0, 55, 0, 0},
    {100, 0, 100, 0, 100, 0, 100, 0, 0},     {10, 70, 0, 95, 0, 60, 0, 0, 0},
    {110, 70, 100, 95, 100, 60, 100, 0, 635}};

const PlanEsperado CosteTotalPico{{0, 0, 30, 30, 30, 30, 30, 0},     {10, 200, 0, 0, 0, 0, 0, 0},
                                  {10, 230, 0, 0, 0, 0, 0, 0},       {10, 230, 0, 0, 0, 0, 0, 0},
                                  {100, 100, 0, 0, 0, 0, 0, 0},      {0, 30, 30, 30, 30, 30, 0, 0},
                                  {100, 130, 30, 30, 30, 30, 0, 350}};

const PlanEsperado DosLotesPico{{0, 200, 0, 0, 0, 0, 0, 0},    {10, 0, 0, 0, 0, 0, 30, 0},
                                {210, 0, 0, 0, 0, 0, 30, 0},   {210, 0, 0, 0, 0, 0, 30, 0},
                                {100, 0, 0, 0, 0, 0, 100, 0},  {200, 0, 0, 0, 0, 0, 0, 0},
                                {300, 0, 0, 0, 0, 0, 100, 400}};

const PlanEsperado LoteALotePico{{0, 0, 0, 0, 0, 0, 0, 0},        {10, 200, 0, 0, 0, 0, 30, 0},
                                 {10, 200, 0, 0, 0, 0, 30, 0},    {10, 200, 0, 0, 0, 0, 30, 0},
                                 {100, 100, 0, 0, 0, 0, 100, 0},  {0, 0, 0, 0, 0, 0, 0, 0},
                                 {100, 100, 0, 0, 0, 0, 100, 300}};

// A requirement within the lead time: nothing can be released for it, the stock goes negative.
const Problema Retraso{2, 1, 0, 100, 1, 0, {20, 30}};
// Two periods of requirement within a lead time of 2, a gap and a late requirement.
const Problema RetrasoLargo{5, 2, 0, 100, 1, 0, {20, 30, 0, 0, 40}};
// A scheduled receipt that lowers the cumulative requirement after the first period.
const Problema RecepcionTrasElPrimero{3, 0, 0, 100, 1, 0, {10, 0, 0}, {0, 30, 0}};

const CasoPlan CasosPlan[] = {
    {"LoteALoteOchoPeriodos", LotificacionLoteALote, OchoPeriodos, LoteALoteOcho},
    {"EOQOchoPeriodos", LotificacionEOQ, OchoPeriodos, EOQOcho},
    {"POQOchoPeriodos", LotificacionPOQ, OchoPeriodos, AgrupadoOcho},
    {"CosteTotalOchoPeriodos", LotificacionMinimoCosteTotal, OchoPeriodos, AgrupadoOcho},
    {"CosteUnitarioOchoPeriodos", LotificacionMinimoCosteUnitario, OchoPeriodos, AgrupadoOcho},
    {"SilverMealOchoPeriodos", LotificacionSilverMeal, OchoPeriodos, AgrupadoOcho},
    {"MejorOchoPeriodosEligePOQEnEmpate", LotificacionMejor, OchoPeriodos, AgrupadoOcho,
     LotificacionPOQ},
    // Equal criterion values never stop the search; a strictly lower later one still wins.
    {"CosteTotalPicoSigueEnEmpates", LotificacionMinimoCosteTotal, PicoTemprano, CosteTotalPico},
    {"CosteUnitarioPicoParaAlSubir", LotificacionMinimoCosteUnitario, PicoTemprano, DosLotesPico},
    // Silver-Meal goes on past the rise of its criterion and takes the later, lower value.
    {"SilverMealPicoNoPara", LotificacionSilverMeal, PicoTemprano, DosLotesPico},
    {"MejorPicoEligeLoteALote", LotificacionMejor, PicoTemprano, LoteALotePico,
     LotificacionLoteALote},
    {"LoteALoteRetrasoEnPlazo",
     LotificacionLoteALote,
     Retraso,
     {{0, -20, 0}, {20, 50, 0}, {0, 50, 0}, {50, 0, 0}, {100, 0, 0}, {-20, 0, 0}, {80, 0, 80}}},
    {"LoteALoteStockDeSeguridad",
     LotificacionLoteALote,
     {2, 0, 10, 100, 1, 0, {20, 30}},
     {{0, 10, 10},
      {30, 30, 0},
      {30, 30, 0},
      {30, 30, 0},
      {100, 100, 0},
      {10, 10, 0},
      {110, 110, 220}}},
    // The backlog of periods 1 and 2 joins the first lot that can be released.
    {"CosteTotalRetrasoSeSumaAlLote",
     LotificacionMinimoCosteTotal,
     RetrasoLargo,
     {{0, -20, -50, 40, 40, 0},
      {20, 50, 50, 0, 0, 0},
      {0, 0, 90, 0, 0, 0},
      {90, 0, 0, 0, 0, 0},
      {100, 0, 0, 0, 0, 0},
      {-20, -50, 40, 40, 0, 0},
      {80, -50, 40, 40, 0, 110}}},
    // Silver-Meal's first search, from within the lead time, would run to the end of the horizon
    // and leave everything unordered; the backlog stops at the lead time instead, and the first
    // lot that can be received covers it.
    {"SilverMealRetrasoLoCubreElPrimerLoteTrasElPlazo",
     LotificacionSilverMeal,
     RetrasoLargo,
     {{0, -20, -50, 0, 0, 0},
      {20, 50, 50, 0, 40, 0},
      {0, 0, 50, 0, 40, 0},
      {50, 0, 40, 0, 0, 0},
      {100, 0, 100, 0, 0, 0},
      {-20, -50, 0, 0, 0, 0},
      {80, -50, 100, 0, 0, 130}}},
    // The rise at period 2 stops the search although period 3 would have been cheaper.
    {"CosteTotalParaAunqueBajeDespues",
     LotificacionMinimoCosteTotal,
     {3, 0, 0, 100, 1, 0, {10, 0, 50}, {0, 5, 0}},
     {{0, 0, 5, 0},
      {10, 0, 45, 0},
      {10, 0, 45, 0},
      {10, 0, 45, 0},
      {100, 0, 100, 0},
      {0, 5, 0, 0},
      {100, 5, 100, 205}}},
    {"CosteUnitarioParaAunqueBajeDespues",
     LotificacionMinimoCosteUnitario,
     {3, 0, 0, 100, 1, 0, {200, 10, 0}, {0, 0, 10}},
     {{0, 0, 0, 10},
      {200, 10, 0, 0},
      {200, 10, 0, 0},
      {200, 10, 0, 0},
      {100, 100, 0, 0},
      {0, 0, 10, 0},
      {100, 100, 10, 210}}},
    // Where a receipt makes NN fall, the lot is still the largest cumulative requirement.
    {"SilverMealLoteEsElMayorAcumulado",
     LotificacionSilverMeal,
     RecepcionTrasElPrimero,
     {{0, 0, 30, 30},
      {10, 0, 0, 0},
      {10, 0, 0, 0},
      {10, 0, 0, 0},
      {100, 0, 0, 0},
      {0, 30, 30, 0},
      {100, 30, 30, 160}}},
    {"CosteUnitarioDivideEntreElMayorAcumulado",
     LotificacionMinimoCosteUnitario,
     {2, 0, 0, 100, 1, 0, {10, 5}, {0, 15}},
     {{0, 0, 10}, {10, 0, 0}, {10, 0, 0}, {10, 0, 0}, {100, 0, 0}, {0, 10, 0}, {100, 10, 110}}},
};

class Planes : public testing::TestWithParam<CasoPlan> {};

TEST_P(Planes, DejaElRegistroCompleto) {
    const CasoPlan& caso = GetParam();
    const Problema& p = caso.problema;
    const Resultado r = Resolver(caso.metodo, p);
    ComprobarPlan(p.N, r.Tabla, r.Costes, caso.plan);
    EXPECT_EQ(r.Tabla.NB, TablaDe(p).NB);
    EXPECT_EQ(r.Tabla.RP, TablaDe(p).RP);
    EXPECT_EQ(r.Elegido, caso.elegido);
}

INSTANTIATE_TEST_SUITE_P(Motor, Planes, testing::ValuesIn(CasosPlan),
                         [](const auto& instancia) { return std::string(instancia.param.nombre); });

// Initial stock that covers the horizon: no method orders, the stock left is all that is paid.
TEST(Planes, StockInicialSuficienteNoPideNadaConNingunMetodo) {
    const Problema p{3, 1, 0, 100, 2, 100, {10, 20, 30}};
    const PlanEsperado plan{{100, 90, 70, 40}, {0, 0, 0, 0},      {0, 0, 0, 0},       {0, 0, 0, 0},
                            {0, 0, 0, 0},      {180, 140, 80, 0}, {180, 140, 80, 400}};
    for (TipoLotificacion m = LotificacionLoteALote; m <= LotificacionMejor; ++m) {
        SCOPED_TRACE(m);
        const Resultado r = Resolver(m, p);
        ComprobarPlan(p.N, r.Tabla, r.Costes, plan);
    }
}

struct CasoManual {
    const char* nombre;
    Problema problema;
    Fila PPL;
    PlanEsperado plan;
};

const CasoManual CasosManuales[] = {
    {"AgrupadoOchoPeriodos", OchoPeriodos, {120, 0, 155, 0, 135, 0, 55, 0}, AgrupadoOcho},
    // A release after N - TS is an order, but its receipt falls beyond the horizon.
    {"LanzamientoFueraDelHorizonte",
     {3, 1, 0, 100, 1, 0, {0, 20, 10}},
     {20, 10, 7},
     {{0, 0, 0, 0},
      {0, 20, 10, 0},
      {0, 20, 10, 0},
      {20, 10, 7, 0},
      {100, 100, 100, 0},
      {0, 0, 0, 0},
      {100, 100, 100, 300}}},
    {"LanzamientoNegativoCuestaUnPedido",
     {2, 0, 0, 100, 1, 0, {10, 10}},
     {30, -10},
     {{0, 20, 0},
      {10, 0, 0},
      {30, -10, 0},
      {30, -10, 0},
      {100, 100, 0},
      {20, 0, 0},
      {120, 100, 220}}},
};

class PlanesManuales : public testing::TestWithParam<CasoManual> {};

TEST_P(PlanesManuales, ReproyectaYValoraLosLanzamientosDados) {
    const CasoManual& caso = GetParam();
    const Problema& p = caso.problema;
    TTablaMRP tabla = TablaDe(p);
    Copiar(caso.PPL, tabla.PPL);
    TCostesMRP costes;
    Reproyectar({p.N, p.TS, p.SS}, tabla);
    CalcularCostes({p.N, 0, 0, p.CE, p.CP}, tabla, costes);
    ComprobarPlan(p.N, tabla, costes, caso.plan);
}

INSTANTIATE_TEST_SUITE_P(Motor, PlanesManuales, testing::ValuesIn(CasosManuales),
                         [](const auto& instancia) { return std::string(instancia.param.nombre); });

} // namespace
