// What the status bar says: the method a calculation actually used and its total as the grid
// writes numbers, and the counts of the edit commands.
#include "MensajesEstado.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace {

struct CasoCalculo {
    const char* nombre;
    TipoCalculo tipo;
    TipoLotificacion metodo;
    double total;
    QString mensaje;
};
// ctest lists the cases by name.
void PrintTo(const CasoCalculo& caso, std::ostream* salida) {
    *salida << caso.nombre;
}

class MensajeDeCalculo : public testing::TestWithParam<CasoCalculo> {};

TEST_P(MensajeDeCalculo, DiceElMetodoUsadoYElCosteTotal) {
    ResultadoCalculo calculo;
    calculo.Tipo = GetParam().tipo;
    calculo.Problema.N = 99;
    calculo.Metodo = GetParam().metodo;
    calculo.Costes.CTotal[100] = GetParam().total;
    EXPECT_EQ(MensajeCalculo(calculo), GetParam().mensaje);
}

INSTANTIATE_TEST_SUITE_P(
    Estado, MensajeDeCalculo,
    testing::Values(
        CasoCalculo{"Poq", TipoCalculo::Seleccionado, 2, 635, "Calculado con POQ: coste total 635"},
        CasoCalculo{"SilverMealConDecimales", TipoCalculo::Seleccionado, 5, 3608.5,
                    "Calculado con Método Silver-Meal: coste total 3608,5"},
        CasoCalculo{"SinMetodoSeleccionado", TipoCalculo::Seleccionado, -1, 0,
                    "Calculado sin método de lotificación: coste total 0"},
        CasoCalculo{"Manual", TipoCalculo::Manual, -1, 1e20, "Cálculo manual: coste total 1E20"}),
    [](const auto& instancia) { return std::string(instancia.param.nombre); });

// The window's tests see the plural forms; these are the singular ones and an empty clipboard.
TEST(Estado, SingularesYPortapapelesVacio) {
    EXPECT_EQ(MensajeCopiado(1), "Copiada 1 celda");
    EXPECT_EQ(MensajePegado({6, 1, {}}), "Pegadas 6 celdas; 1 queda fuera de la rejilla");
    EXPECT_EQ(MensajePegado({1, 1, {}}), "Pegada 1 celda; 1 queda fuera de la rejilla");
    EXPECT_EQ(MensajePegado({}), "El portapapeles no tiene texto que pegar");
}

// Fields beyond any row or column the grid can have are left out, and said so apart from those
// the grid keeps out of view.
TEST(Estado, PegadoConCamposDescartados) {
    EXPECT_EQ(MensajePegado({4, 2, {}, 1}),
              "Pegadas 4 celdas; 2 quedan fuera de la rejilla; se descarta 1 que no cabe en "
              "ninguna fila ni columna de la rejilla");
    EXPECT_EQ(MensajePegado({0, 0, {}, 3}),
              "No se ha pegado ninguna celda; se descartan 3 que no caben en ninguna fila ni "
              "columna de la rejilla");
}

} // namespace
