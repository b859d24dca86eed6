// The report lines, to the character.
#include "AyudasPruebas.h"
#include "Informe.h"

#include <gtest/gtest.h>

TEST(LineasInforme, LineasExactas) {
    TEstadisticas e;
    e[0] = {12, 870, 1234567, 2.1, 0.35};
    e[1] = {3, 0, 1234.4, 0.375, 0.125};
    e[2] = {0, 1, 0.4, 0.625, 0.875}; // halves to even: 62,5 % and 87,5 %
    e[5] = {7, 2, 2, 0, 0};
    const QStringList esperadas{
        "Nº de experimentos: 0012 Tiempo requerido: 2,53 segundos",
        "Técnica        \tNº Mejor\tNº Peor\tCoste ac\tDesv. med\tMax desv.",
        "Lote a lote    \t12\t870\t1.234.567 €\t35%\t210%",
        "EOQ            \t3\t0\t1.234 €\t12%\t38%",
        "POQ            \t0\t1\t0 €\t88%\t62%",
        "Min coste total\t0\t0\t0 €\t0%\t0%",
        "Min coste unit \t0\t0\t0 €\t0%\t0%",
        "Silver-Meal    \t7\t2\t2 €\t0%\t0%",
    };
    EXPECT_EQ(LineasInforme("0012", 2.526, e), esperadas);
}
