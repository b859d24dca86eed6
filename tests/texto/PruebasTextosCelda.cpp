// The texts of a grid's cells, kept whatever the grid's size.
#include "TextosCelda.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(TextosCelda, CeldasDistintasYTextoVacioQueQuitaLaCelda) {
    TextosCelda textos;
    textos.PonerCelda(-1, 0, QStringLiteral("columna -1"));
    textos.PonerCelda(0, -1, QStringLiteral("fila -1"));
    textos.PonerCelda(150, 2, QStringLiteral("1"));
    textos.PonerCelda(150, 2, QStringLiteral("2"));
    EXPECT_EQ(textos.Celda(-1, 0), QStringLiteral("columna -1"));
    EXPECT_EQ(textos.Celda(0, -1), QStringLiteral("fila -1"));
    EXPECT_EQ(textos.Celda(150, 2), QStringLiteral("2"));
    EXPECT_EQ(textos.Celda(2, 150), QString());

    for (const auto& [columna, fila] : {std::pair{-1, 0}, {0, -1}, {150, 2}})
        textos.PonerCelda(columna, fila, QString());
    EXPECT_EQ(textos, TextosCelda()); // no empty entries left behind
}

} // namespace
