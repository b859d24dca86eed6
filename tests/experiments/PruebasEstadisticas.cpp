// One method's cost on a scratch copy, and the statistics of a run folded in experiment by
// experiment.
#include "CosteMetodo.h"
#include "Estadisticas.h"
#include "ProblemaAleatorio.h"

#include <gtest/gtest.h>

TEST(CosteMetodo, IgualQueResolverUnaCopiaEnteraYSinTocarLaTablaDelLlamador) {
    // Problems of falling and rising N on one scratch table: nothing may stay from the last one.
    Generador g(2024);
    auto textos = TextosExperimento::PorDefecto();
    textos.NPMin = "1";
    textos.NPMax = "99";
    textos.TsMin = "0";
    for (int i = 0; i < 300; ++i) {
        ProblemaAleatorio p;
        GenerarProblema(textos, g, p);
        const TTablaMRP original = p.Tabla;
        for (TipoLotificacion m = 0; m < NumeroMetodos; ++m) {
            TTablaMRP copia = p.Tabla;
            std::int32_t elegido = 0;
            TCostesMRP costes;
            Lotificar(m, p.N, p.Ts, 0, p.Ce, p.Cp, true, copia, elegido);
            CalcularCostes(p.N, copia, p.Ce, p.Cp, costes);
            ASSERT_EQ(CosteMetodo(m, p.N, p.Ts, 0, p.Ce, p.Cp, p.Tabla), costes.CTotal[p.N + 1])
                << "problema " << i << ", método " << m;
        }
        ASSERT_EQ(p.Tabla, original);
    }
}

TEST(ActualizarEstadisticas, EmpatesYDesviaciones) {
    struct Caso {
        const char* nombre;
        TCostesExperimento costes;
        std::array<int, 6> mejor, peor;
    };
    const double sinMenor = 2e12; // above the least cost's starting value
    // clang-format off
    const Caso casos[] = {
        {"dos_empatan_en_el_menor_y_dos_en_el_mayor", {10, 10, 12, 15, 15, 11}, {1, 1, 0, 0, 0, 0}, {0, 0, 0, 1, 1, 0}},
        {"todos_iguales_son_mejor_y_peor", {7, 7, 7, 7, 7, 7}, {1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1}},
        {"todos_sobre_el_valor_inicial_del_menor", {sinMenor, sinMenor, sinMenor, sinMenor, sinMenor, 3e12}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 1}},
        {"todos_negativos_ninguno_peor", {-4, -2, -2, -2, -2, -2}, {1, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        TEstadisticas e;
        ActualizarEstadisticas(1, c.costes, e);
        for (std::size_t m = 0; m < 6; ++m) {
            EXPECT_EQ(e[m].NMejor, c.mejor[m]);
            EXPECT_EQ(e[m].NPeor, c.peor[m]);
            EXPECT_EQ(e[m].CosteAc, c.costes[m]);
        }
    }
}

TEST(ActualizarEstadisticas, MediaYMaximoDeLaDesviacion) {
    TEstadisticas e;
    // Method 1 deviates by 0.5, then 0 twice; method 5 only by 0.25 in the last experiment.
    ActualizarEstadisticas(1, {100, 150, 100, 100, 100, 100}, e);
    ActualizarEstadisticas(2, {200, 200, 200, 200, 300, 200}, e);
    ActualizarEstadisticas(3, {100, 100, 100, 100, 100, 125}, e);
    EXPECT_EQ(e[1].DesvMed, 0.5 / 3);
    EXPECT_EQ(e[1].MaxDesv, 0.5);
    EXPECT_EQ(e[1].CosteAc, 450);
    EXPECT_EQ(e[4].MaxDesv, 0.5);
    EXPECT_EQ(e[5].DesvMed, 0.25 / 3);
    InicializarEstadisticas(e);
    EXPECT_EQ(e, TEstadisticas{});
}

TEST(ActualizarEstadisticas, UnCosteMenorDeCeroFallaConLoYaContado) {
    struct Caso {
        const char* nombre;
        TCostesExperimento costes;
        const char* mensaje;
        double costeAc0;
    };
    const Caso casos[] = {
        {"cero_entre_cero", {0, 5, 5, 5, 5, 5}, "Invalid floating point operation", 0},
        {"positivo_entre_cero", {5, 0, 5, 5, 5, 5}, "Floating point division by zero", 5},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        TEstadisticas e;
        try {
            ActualizarEstadisticas(1, c.costes, e);
            ADD_FAILURE();
        } catch (const std::exception& error) {
            EXPECT_STREQ(error.what(), c.mensaje);
        }
        // Method 0 counted up to its deviation; the others untouched.
        EXPECT_EQ(e[0].NMejor + e[0].NPeor, 1);
        EXPECT_EQ(e[0].CosteAc, c.costeAc0);
        EXPECT_EQ(e[1], TEstadisticaMetodo{});
    }
}
