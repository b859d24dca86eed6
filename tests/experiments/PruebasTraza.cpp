// The lines of one experiment as the trace gets them: the columns the lines share, the costs of
// methods that tie, the largest numbers, and the quotient that fails before any line is written.
#include "ErroresCalculo.h"
#include "Traza.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

std::string Lineas(std::int32_t k, std::int32_t N, std::int32_t Ts, double Ce, double Cp,
                   std::span<const std::int32_t> metodos, const double* costes) {
    char texto[LineasTraza::PorLinea * 8];
    const std::size_t n = LineasTraza().Escribir(k, N, Ts, Ce, Cp, metodos, costes, texto);
    return std::string(texto, n);
}

TEST(LineasTraza, UnaLineaPorMetodoConLasColumnasComunesYLosEmpatesIguales) {
    const std::int32_t metodos[] = {0, 1, 2, 3, 4, 5, 7};
    const double costes[] = {33, 1234.5678, 33, 0.1 + 0.2, -2e-5, 1234.5678, 1e15};
    EXPECT_EQ(Lineas(1, 7, 2, 16.5, 16.5 / 290, metodos, costes), "1\t7\t2\t290\t0\t33\r\n"
                                                                  "1\t7\t2\t290\t1\t1234,5678\r\n"
                                                                  "1\t7\t2\t290\t2\t33\r\n"
                                                                  "1\t7\t2\t290\t3\t0,3\r\n"
                                                                  "1\t7\t2\t290\t4\t-2E-5\r\n"
                                                                  "1\t7\t2\t290\t5\t1234,5678\r\n"
                                                                  "1\t7\t2\t290\t7\t1E15\r\n");
    // The widest line: every column at its longest.
    const std::int32_t uno[] = {7};
    const double largo[] = {-1.23456789012345e-300};
    EXPECT_EQ(Lineas(INT_MAX, 99, 98, 1.0 / 3, 1e-307, uno, largo),
              "2147483647\t99\t98\t3,33333333333333E306\t7\t-1,23456789012345E-300\r\n");
}

// A Cp of 0 fails in the first line, before anything is written; without lines nothing fails.
TEST(LineasTraza, ElCocienteFallaAntesDeEscribirNada) {
    const std::int32_t metodos[] = {0, 1};
    const double costes[] = {10, 20};
    char texto[LineasTraza::PorLinea * 2] = {};
    EXPECT_THROW(LineasTraza().Escribir(3, 5, 1, 2.5, 0.0, metodos, costes, texto), EZeroDivide);
    EXPECT_THROW(LineasTraza().Escribir(3, 5, 1, 0.0, 0.0, metodos, costes, texto), EInvalidOp);
    EXPECT_EQ(texto[0], '\0');
    EXPECT_EQ(LineasTraza().Escribir(3, 5, 1, 2.5, 0.0, {}, costes, texto), 0u);
}

} // namespace
