// Copy, paste and delete over a grid's texts, and the tab stops that line up TAB-separated
// columns: the blocks spreadsheets exchange, read and written.
#include "PortapapelesRejilla.h"
#include "TabuladoresColumnas.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using Bloque = QList<QStringList>;

struct CasoDivision {
    const char* nombre;
    QString texto;
    Bloque bloque;
    bool esBloque;
};
// ctest lists the cases by name.
void PrintTo(const CasoDivision& caso, std::ostream* salida) {
    *salida << caso.nombre;
}

class DivisionDeBloques : public testing::TestWithParam<CasoDivision> {};

TEST_P(DivisionDeBloques, DaLineasDeCampos) {
    const Bloque bloque = DividirBloque(GetParam().texto);
    EXPECT_EQ(bloque, GetParam().bloque);
    EXPECT_EQ(EsBloque(bloque), GetParam().esBloque);
}

INSTANTIATE_TEST_SUITE_P(
    Portapapeles, DivisionDeBloques,
    testing::Values(
        CasoDivision{"Vacio", "", {}, false},
        CasoDivision{"UnaCeldaDeHojaDeCalculo", "11\n", {{"11"}}, false},
        CasoDivision{"UnaCeldaSinFinDeLinea", "11", {{"11"}}, false},
        CasoDivision{"UnaFila", "11\t22\t33", {{"11", "22", "33"}}, true},
        CasoDivision{"FinalesWindows", "1\t2\r\n3\t4\r\n", {{"1", "2"}, {"3", "4"}}, true},
        CasoDivision{"FinalesMac", "1\r2\r", {{"1"}, {"2"}}, true},
        CasoDivision{"CamposVaciosYFilaVaciaAlFinal", "\t2\t\n\n", {{"", "2", ""}, {""}}, true},
        CasoDivision{"FilasDeDistintoLargo", "1\n2\t3\t4", {{"1"}, {"2", "3", "4"}}, true}),
    [](const auto& instancia) { return std::string(instancia.param.nombre); });

TEST(Portapapeles, LoQueCaeFueraDeLaRejillaSeGuardaYSeCuenta) {
    TextosCelda textos;
    // Columns 1 to 3 and rows 1 to 2 show: the block from (2, 1) spills one column and one row.
    const ResultadoPegado pegado =
        PegarBloque(textos, DividirBloque("1\t2\t3\n4\t5\t6\n"), 2, 2, 4, 3);
    EXPECT_EQ(pegado.celdas, 6);
    EXPECT_EQ(pegado.fuera, 4) << "(4, 2), (2, 3), (3, 3) and (4, 3)";
    EXPECT_EQ(textos.Celda(4, 2), "3");
    EXPECT_EQ(textos.Celda(4, 3), "6");
}

// Beyond the largest grid the owner ever shows, nothing is kept: counted apart, not written.
TEST(Portapapeles, LoQueNingunaRejillaMuestraSeDescarta) {
    TextosCelda textos;
    const ResultadoPegado pegado =
        PegarBloque(textos, DividirBloque("1\t2\t3\n4\t5\t6\n7\t8\t9\n"), 1, 1, 3, 2, 3, 3);
    EXPECT_EQ(pegado.celdas, 4) << "(1, 1), (2, 1), (1, 2) and (2, 2)";
    EXPECT_EQ(pegado.fuera, 2) << "row 2, kept out of view";
    EXPECT_EQ(pegado.descartadas, 5);
    EXPECT_EQ(textos.Celda(2, 2), "5");
    EXPECT_EQ(textos.Celda(3, 1), QString());
    EXPECT_EQ(textos.Celda(1, 3), QString());
}

TEST(Portapapeles, NuncaPegaEnLaFilaNiEnLaColumnaFijas) {
    for (const auto& [columna, fila] : {std::pair{0, 1}, {1, 0}}) {
        TextosCelda textos;
        const ResultadoPegado pegado = PegarBloque(textos, {{"x", "y"}}, columna, fila, 10, 10);
        EXPECT_EQ(pegado.celdas, 0);
        EXPECT_EQ(textos, TextosCelda());
    }
}

// One unit of width per character, gap 2.
TEST(Tabuladores, SiguenAlTextoMasAnchoDeCadaColumna) {
    const auto ancho = [](const QString& texto) { return qreal(texto.size()); };
    const QStringList lineas = {"Nº de experimentos: 1000 sin columnas", "Técnica\tCoste\tDesv.",
                                "EOQ\t66.642.720 €\t5%", "POQ\t1 €\t100%"};
    EXPECT_EQ(PosicionesTabulacion(lineas, ancho, 2), (QList<qreal>{9, 23}));
    EXPECT_TRUE(PosicionesTabulacion({"sin tabuladores"}, ancho, 2).isEmpty());
}

} // namespace
