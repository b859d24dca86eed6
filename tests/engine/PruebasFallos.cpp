// Arithmetic failures: the exact message the user will see, and never an infinity or a NaN.
#include "TablasPrueba.h"

namespace {

const std::string PorCero = "Floating point division by zero";
const std::string Invalida = "Invalid floating point operation";
const std::string Desborde = "Floating point overflow";

struct CasoFallo {
    const char* nombre;
    TipoLotificacion metodo;
    Problema problema;
    std::string mensaje;
};

Problema ConCostes(Problema p, double CE, double CP) {
    p.CE = CE;
    p.CP = CP;
    return p;
}

const CasoFallo CasosFallo[] = {
    {"EOQSinCosteDePosesion", LotificacionEOQ, ConCostes(OchoPeriodos, 100, 0), PorCero},
    {"POQSinCosteDePosesion", LotificacionPOQ, ConCostes(OchoPeriodos, 100, 0), PorCero},
    {"MejorSinCosteDePosesion", LotificacionMejor, ConCostes(OchoPeriodos, 100, 0), PorCero},
    {"EOQSinNingunCoste", LotificacionEOQ, ConCostes(OchoPeriodos, 0, 0), Invalida},
    {"EOQCostesDeSignoOpuesto", LotificacionEOQ, ConCostes(OchoPeriodos, -100, 1), Invalida},
    {"EOQDemandaMediaNegativa", LotificacionEOQ, {2, 0, 0, 100, 1, 0, {10, -30}}, Invalida},
    {"POQSinDemanda", LotificacionPOQ, {3, 0, 0, 100, 1, 5, {0, 0, 0}}, Invalida},
    {"NetoDesbordado", LotificacionLoteALote, {1, 0, 0, 100, 1, -1.7e308, {1.7e308}}, Desborde},
    {"ProyeccionDesbordada",
     LotificacionLoteALote,
     {1, 0, 0, 100, 1, 1e308, {1e308}, {1e308}},
     Desborde},
    // A stock that overflows before the last period is caught by the next period's netting.
    {"ProyeccionDesbordadaAntesDelFinal",
     LotificacionLoteALote,
     {2, 0, 0, 100, 1, 1e308, {0, 5}, {1e308, 0}},
     Desborde},
    {"ReproyeccionDesbordadaAntesDelFinal",
     LotificacionMinimoCosteTotal,
     {2, 0, 0, 100, 1, 1e308, {0, 5}, {1e308, 0}},
     Desborde},
    {"CosteDePosesionDesbordado",
     LotificacionLoteALote,
     {1, 0, 0, 100, 1e10, 1e300, {0}},
     Desborde},
    {"CosteTotalDesbordado", LotificacionLoteALote, {2, 0, 0, 100, 1, 1e308, {0, 0}}, Desborde},
    {"EOQRadicandoDesbordado", LotificacionEOQ, {1, 0, 0, 1e300, 1e-300, 0, {10}}, Desborde},
    {"POQIntervaloDesbordado", LotificacionPOQ, {1, 0, 0, 1e300, 1e-300, 0, {1e-300}}, Desborde},
    {"CosteTotalCriterioDesbordado",
     LotificacionMinimoCosteTotal,
     {2, 0, 0, 1e308, -1e308, 0, {1, 1}},
     Desborde},
    {"CosteUnitarioCriterioDesbordado",
     LotificacionMinimoCosteUnitario,
     {1, 0, 0, 1e10, 1, 0, {1e-300}},
     Desborde},
    {"CosteUnitarioPosesionDesbordada",
     LotificacionMinimoCosteUnitario,
     {2, 0, 0, 100, 1e308, 0, {1, 10}},
     Desborde},
    {"SilverMealPosesionDesbordada",
     LotificacionSilverMeal,
     {2, 0, 0, 100, 1e308, 0, {1, 10}},
     Desborde},
    {"OptimoEmisionDesbordada", LotificacionOptimo, {2, 0, 0, 1e308, 1, 0, {1, 1}}, Desborde},
    {"OptimoPosesionDesbordada", LotificacionOptimo, {2, 0, 0, -100, 1e308, 0, {1, 10}}, Desborde},
};

class Fallos : public testing::TestWithParam<CasoFallo> {};

TEST_P(Fallos, LanzaElErrorConSuMensaje) {
    const CasoFallo& caso = GetParam();
    EXPECT_EQ(MensajeDe([&] { Resolver(caso.metodo, caso.problema); }), caso.mensaje);
}

INSTANTIATE_TEST_SUITE_P(Motor, Fallos, testing::ValuesIn(CasosFallo),
                         [](const auto& instancia) { return std::string(instancia.param.nombre); });

// The choice is written as the methods are compared: a failure leaves the one made so far,
// not the caller's value.
TEST(Fallos, MejorMetodoDejaLaEleccionHechaHastaElFallo) {
    const Problema p = ConCostes(OchoPeriodos, 100, 0);
    TTablaMRP tabla = TablaDe(p);
    std::int32_t elegido = LotificacionSilverMeal;
    EXPECT_THROW(Lotificar(LotificacionMejor, {p.N, p.TS, p.SS, p.CE, p.CP, true}, tabla, elegido),
                 EZeroDivide);
    EXPECT_EQ(elegido, LotificacionLoteALote);
}

} // namespace
