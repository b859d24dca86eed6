// The window's defaults and the fields refused before a run.
#include "AyudasPruebas.h"
#include "ComprobarParametros.h"

#include <gtest/gtest.h>

TEST(TextosExperimento, ValoresPorDefectoEnEspanol) {
    const auto t = TextosExperimento::PorDefecto();
    const QStringList textos{t.NPMin, t.NPMax, t.NBMin, t.NBMax,   t.EProbNB, t.TsMin,
                             t.TsMax, t.CEMin, t.CeMax, t.CECpMin, t.CeCpMax, t.NExp};
    EXPECT_EQ(textos.join(' '), "4 16 10 1000 0,5 1 3 3 30 100 2000 1000");
    EXPECT_EQ(ComprobarParametros(t), std::nullopt);
}

TEST(ComprobarParametros, RechazaNombrandoElCampo) {
    struct Caso {
        const char* nombre;
        QString TextosExperimento::*campo;
        const char* texto;
        const char* aviso; // empty: accepted
    };
    using T = TextosExperimento;
    // clang-format off
    const Caso casos[] = {
        {"periodos_min_0", &T::NPMin, "0", "Especifique en «Nº Períodos Min:» un número de períodos entre 1 y 99."},
        {"periodos_min_1", &T::NPMin, "1", ""},
        {"periodos_max_100", &T::NPMax, "100", "Especifique en «Nº Períodos Max:» un número de períodos entre 1 y 99."},
        {"periodos_max_99", &T::NPMax, "99", ""},
        {"periodos_min_sobre_max", &T::NPMin, "17", "Especifique en «Nº Períodos Min:» un número de períodos no mayor que el de «Nº Períodos Max:»."},
        {"periodos_min_igual_max", &T::NPMin, "16", ""},
        {"nb_min_negativo", &T::NBMin, "-0,5", "Especifique en «NB Min:» una necesidad bruta de 0 o más."},
        {"nb_max_negativo", &T::NBMax, "-1", "Especifique en «NB Max:» una necesidad bruta de 0 o más."},
        {"nb_min_0", &T::NBMin, "0", ""},
        {"plazo_min_negativo", &T::TsMin, "-1", "Especifique en «Ts Min:» un plazo de 0 o más períodos."},
        {"plazo_max_negativo", &T::TsMax, "-3", "Especifique en «Ts Max:» un plazo de 0 o más períodos."},
        {"plazo_0", &T::TsMin, "0", ""},
        {"coste_min_0", &T::CEMin, "0", "Especifique en «Ce Min:» un coste mayor que 0."},
        {"coste_max_negativo", &T::CeMax, "-30", "Especifique en «Ce Max:» un coste mayor que 0."},
        {"razon_min_0", &T::CECpMin, "0", "Especifique en «Ce/Cp Min:» un cociente mayor que 0."},
        {"razon_max_negativa", &T::CeCpMax, "-1E-9", "Especifique en «Ce/Cp Max:» un cociente mayor que 0."},
        {"probabilidad_libre", &T::EProbNB, "-3", ""},
        {"campo_que_no_convierte_lo_informa_la_ejecucion", &T::NPMin, "cuatro", ""},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        auto t = TextosExperimento::PorDefecto();
        t.*c.campo = c.texto;
        const auto aviso = ComprobarParametros(t);
        EXPECT_EQ(aviso.value_or(""), QString(c.aviso));
        // A run of no experiments converts nothing, so it refuses nothing.
        for (const char* nExp : {"0", "-5", "mil"}) {
            t.NExp = nExp;
            EXPECT_EQ(ComprobarParametros(t), std::nullopt) << nExp;
        }
    }
}

// Requirements that can only round to 0 would leave POQ a problem without demand at once.
TEST(ComprobarParametros, RechazaNecesidadesQueSoloPuedenSerCero) {
    auto t = TextosExperimento::PorDefecto();
    t.NBMin = "0";
    t.NBMax = "0,5";
    EXPECT_EQ(ComprobarParametros(t).value_or(""),
              "Especifique en «NB Max:» una necesidad bruta mayor que 0,5.");
    t.NBMin = "0,5";
    t.NBMax = "0";
    EXPECT_EQ(ComprobarParametros(t).value_or(""),
              "Especifique en «NB Min:» una necesidad bruta mayor que 0,5.");
    t.NBMax = "0,6"; // round(0,6) is 1
    EXPECT_EQ(ComprobarParametros(t), std::nullopt);
}

TEST(ComprobarParametros, ElPrimerCampoDeArribaAbajo) {
    auto t = TextosExperimento::PorDefecto();
    t.CeCpMax = "0";
    t.TsMax = "-1";
    t.NBMax = "-1";
    EXPECT_EQ(ComprobarParametros(t), "Especifique en «NB Max:» una necesidad bruta de 0 o más.");
}
