// Numbers for reading: residues read as what they are near, the chosen decimals, the tool tip's
// cue, and the locale's separator.
#include "LocaleTemporal.h"
#include "Numeros.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct Legible {
    const char* caso;
    double valor;
    int decimales;
    const char* texto;
    bool redondeada; // the exact value differs from what is read
};

const Legible Casos[] = {
    {"residuo_de_una_suma", 2.8421709430404e-14, 2, "0", true},
    {"residuo_negativo_sin_signo", -2.8421709430404e-14, 2, "0", true},
    {"casi_entero", 7.00000000000002, 2, "7", true},
    {"entero", 710, 2, "710", false},
    {"ceros_finales_fuera", 7.5, 2, "7,5", false},
    {"redondeo_a_dos", 120.415945787923, 2, "120,42", true},
    {"redondeo_a_cero_decimales", 114.564392373896, 0, "115", true},
    {"seis_decimales", 1.4166666666666667, 6, "1,416667", true},
    {"mas_de_seis_se_limita", 1.4166666666666667, 9, "1,416667", true},
    {"menos_de_cero_se_limita", 2.5, -3, "2", true},
    {"negativo", -1840.25, 1, "-1840,2", true},
    {"grande_sin_notacion_cientifica", 123456789012.5, 2, "123456789012,5", false},
    {"enorme_en_formato_general", 1e20, 2, "1E20", false},
    {"exacto_como_la_rejilla", 2.8421709430404e-14, DecimalesExactos, "2,8421709430404E-14", false},
};

class CifrasLegibles : public testing::TestWithParam<Legible> {};

TEST_P(CifrasLegibles, RedondeaYDiceSiOcultaAlgo) {
    const LocaleTemporal espanol(QLocale(QLocale::Spanish, QLocale::Spain));
    const Legible& caso = GetParam();
    EXPECT_EQ(CifraLegible(caso.valor, caso.decimales), QString::fromUtf8(caso.texto));
    EXPECT_EQ(CifraRedondeada(caso.valor, caso.decimales), caso.redondeada);
}

INSTANTIATE_TEST_SUITE_P(Casos, CifrasLegibles, testing::ValuesIn(Casos),
                         [](const auto& instancia) { return std::string(instancia.param.caso); });

} // namespace

// An exact half goes to the even neighbour, as every rounding of the program.
TEST(CifrasLegibles, PorDefectoDosDecimalesYElSeparadorDelLocale) {
    const LocaleTemporal ingles(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(CifraLegible(65.625), "65.62");
    EXPECT_EQ(CifraLegible(65.6251), "65.63");
    EXPECT_EQ(CifraLegible(std::numeric_limits<double>::infinity()), FloatToStr(INFINITY));
}
