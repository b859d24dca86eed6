// Requirements found in a sheet: rows or columns, names over them, gaps; every refusal says why,
// naming the cell, and changes nothing.
#include "AyudasRejilla.h"
#include "NecesidadesDeHoja.h"
#include "TablaRejilla.h"

#include <gtest/gtest.h>

namespace {

CeldaLeida T(const char* texto) {
    return {QString::fromUtf8(texto), std::nullopt};
}
CeldaLeida N(double valor) {
    return {QString(), valor};
}

} // namespace

TEST(NecesidadesDeHoja, FilasOColumnasConCabeceraYHuecos) {
    const struct {
        const char* nombre;
        TablaLeida tabla;
        QStringList NB, RP;
    } casos[] = {
        {"una_fila",
         {{T("10"), T("20,5"), T(""), T("5")}},
         {"10", "20,5", "", "5"},
         {"", "", "", ""}},
        {"fila_con_cabecera_y_recepciones",
         {{T("NB"), N(10), N(0.5)}, {T("RP"), N(3)}},
         {"10", "0,5"},
         {"3", ""}},
        {"columna_desde_C2",
         {{},
          {T(""), T(""), T("Necesidades"), T("Recepciones")},
          {{}, {}, N(7), N(1)},
          {{}, {}, T(" 8 "), T("")}},
         {"7", "8"},
         {"1", ""}},
        {"columna_sin_cabecera", {{N(1)}, {N(2)}, {N(3)}}, {"1", "2", "3"}, {"", "", ""}},
        {"recepciones_mas_largas", {{N(4)}, {N(0), N(0), N(9)}}, {"4", "", ""}, {"0", "0", "9"}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const auto leidas = NecesidadesDeHoja(caso.tabla);
        ASSERT_TRUE(std::holds_alternative<NecesidadesImportadas>(leidas))
            << std::get<QString>(leidas).toStdString();
        const auto& necesidades = std::get<NecesidadesImportadas>(leidas);
        EXPECT_EQ(necesidades.N, caso.NB.size());
        EXPECT_EQ(necesidades.NB, caso.NB);
        EXPECT_EQ(necesidades.RP, caso.RP);
    }
}

TEST(NecesidadesDeHoja, AvisosQueNombranLaCelda) {
    TablaLeida cien(1);
    for (int c = 0; c < 100; ++c) cien[0].push_back(N(1));
    const struct {
        const char* nombre;
        TablaLeida tabla;
        const char* aviso;
    } casos[] = {
        {"control_dos_filas_con_nombre", {{T("NB"), N(1)}, {T("RP"), T("0")}, {}}, nullptr},
        {"cifra_con_letra",
         {{}, {}, {T("NB"), T("4"), T("12a")}},
         "Fila 3, columna C: «12a» no es un número."},
        {"recepcion_mala_en_columna",
         {{N(1), N(2)}, {N(1), T("x")}, {N(1)}},
         "Fila 2, columna B: «x» no es un número."},
        {"cabecera_sola", {{T("NB")}}, "La hoja no tiene ninguna necesidad bruta."},
        {"vacia", {{T(" ")}}, "La hoja no tiene ninguna necesidad bruta."},
        {"solo_recepciones",
         {{T("NB"), T("")}, {T("RP"), N(5)}},
         "La hoja no tiene ninguna necesidad bruta."},
        {"cien_periodos", cien,
         "La hoja tiene 100 períodos de necesidades brutas, y el máximo es 99."},
        {"tabla",
         {{N(1), N(2), N(3)}, {N(1), N(2), N(3)}, {N(1), N(2), N(3)}},
         "Ponga las necesidades brutas en una sola fila o columna de la hoja, y las recepciones "
         "programadas, si las hay, en la siguiente."},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const auto leidas = NecesidadesDeHoja(caso.tabla);
        if (!caso.aviso) {
            EXPECT_TRUE(std::holds_alternative<NecesidadesImportadas>(leidas));
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<QString>(leidas));
        EXPECT_EQ(std::get<QString>(leidas), QString::fromUtf8(caso.aviso));
    }
}

// N and the rows as typed; the requirements of a longer grid do not linger after period N.
TEST(NecesidadesDeHoja, SePonenComoTecleadas) {
    TextosProblema problema;
    problema.CE = "100";
    TextosCelda celdas = CeldasIniciales(12);
    for (int c = 1; c <= 12; ++c) celdas.PonerCelda(c, FilaNB, "9");
    celdas.PonerCelda(1, FilaD, "60");
    celdas.PonerCelda(2, FilaPPL, "5");
    PonerNecesidades({3, {"1", "", "2,5"}, {"", "4", ""}}, problema, celdas);
    EXPECT_EQ(problema.NPeriodos, "3");
    EXPECT_EQ(problema.CE, "100");
    EXPECT_EQ(Fila(celdas, FilaNB, 5), QStringList({"1", "", "2,5", "", ""}));
    EXPECT_EQ(Fila(celdas, FilaRP, 5), QStringList({"", "4", "", "", ""}));
    EXPECT_EQ(celdas.Celda(12, FilaNB), "");
    EXPECT_EQ(celdas.Celda(1, FilaD), "60");
    EXPECT_EQ(celdas.Celda(2, FilaPPL), "5");
}
