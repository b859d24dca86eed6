// The generator's sequence and the drawing of random problems.
#include "FuenteGuionada.h"
#include "ProblemaAleatorio.h"

#include <gtest/gtest.h>

#include <chrono>

TEST(Generador, SucesionDesdeUnaSemillaConocida) {
    Generador g(1);
    g.Sembrar();
    // S := S * 134775813 + 1 mod 2^32, worked by hand from S = 1.
    for (const std::uint32_t estado : {134775814u, 3698175007u, 870078620u, 1172187917u}) {
        EXPECT_EQ(g.Sorteo(), estado / 4294967296.0L);
        EXPECT_EQ(g.Estado(), estado);
    }
    g.Sembrar(); // a fixed seed starts every run again
    EXPECT_EQ(g.Estado(), 1u);
    g.PonerEstado(0xFFFFFFFFu);
    EXPECT_EQ(g.Sorteo(), 4160191484u / 4294967296.0L);
    g.PonerEstado(1298181734u); // the next state is 2^32 - 1: the greatest draw stays below 1
    EXPECT_LT(g.Sorteo(), 1.0L);
}

TEST(Generador, SinSemillaTomaLosBitsBajosDelRelojMonotono) {
    Generador g;
    const auto bits = [] {
        return static_cast<std::uint32_t>(
            std::chrono::steady_clock::now().time_since_epoch().count());
    };
    const std::uint32_t antes = bits();
    g.Sembrar();
    const std::uint32_t despues = bits();
    EXPECT_LE(static_cast<std::uint32_t>(g.Estado() - antes),
              static_cast<std::uint32_t>(despues - antes));
}

TEST(GenerarProblema, EjemploResueltoDesdeLosTextosYDesdeLosCamposConvertidos) {
    const auto textos = TextosExperimento::PorDefecto();
    for (const bool convertidos : {false, true}) {
        FuenteGuionada sorteos(SorteosEjemplo());
        ProblemaAleatorio p;
        p.Tabla.D[3] = p.Tabla.PPL[7] = 9; // left by an earlier problem
        if (convertidos)
            GenerarProblema(ParametrosExperimento::Convertir(textos), sorteos, p);
        else
            GenerarProblema(textos, sorteos, p);
        EXPECT_EQ(p.N, 7);
        EXPECT_EQ(p.Ts, 2); // round(2.5) goes to the even neighbour
        EXPECT_EQ(p.Ce, 16.5);
        EXPECT_EQ(p.Cp, static_cast<double>(16.5L / 290.0L));
        TTablaMRP esperada;
        esperada.NB[4] = 505;
        esperada.NB[6] = 10;
        EXPECT_EQ(p.Tabla, esperada);
        EXPECT_EQ(sorteos.Usados(), 11u);
    }
}

TEST(GenerarProblema, CasosLimite) {
    struct Caso {
        const char* nombre;
        void (*cambiar)(TextosExperimento&);
        std::vector<long double> sorteos;
        int Ts;
        std::vector<double> NB; // periods 1 to N
    };
    // clang-format off
    const Caso casos[] = {
        {"plazo_no_menor_que_N_queda_en_N_menos_1",
         [](auto& t) { t.NPMin = t.NPMax = "3", t.TsMin = t.TsMax = "5"; },
         {0, 0, 0, 0, 0.3L, 0.5L}, 2, {0, 0, 505}},
        {"sin_requerimientos_sorteados_uno_en_el_ultimo_periodo",
         [](auto& t) { t.NPMin = t.NPMax = "3", t.TsMin = t.TsMax = "0", t.EProbNB = "0"; },
         {0, 0, 0, 0, 0.1L, 0.2L, 0.3L, 0.0L}, 0, {0, 0, 10}},
        {"requerimientos_enteros_con_limites_fraccionarios",
         [](auto& t) { t.NPMin = t.NPMax = "2", t.TsMin = t.TsMax = "0", t.NBMin = "10,5", t.NBMax = "20,5"; },
         {0, 0, 0, 0, 0.1L, 0.5L, 0.1L, 0.95L}, 0, {16, 20}},
        {"N_redondea_la_mitad_al_par_hacia_arriba",
         [](auto& t) { t.NPMin = "5", t.NPMax = "6", t.TsMin = t.TsMax = "4"; },
         {0.5L, 0, 0, 0, 0.9L, 0.9L, 0.0L}, 4, {0, 0, 0, 0, 0, 10}},
    };
    // clang-format on
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        auto textos = TextosExperimento::PorDefecto();
        c.cambiar(textos);
        FuenteGuionada sorteos(c.sorteos);
        ProblemaAleatorio p;
        GenerarProblema(textos, sorteos, p);
        EXPECT_EQ(p.Ts, c.Ts);
        EXPECT_EQ(std::vector<double>(p.Tabla.NB.v.begin(), p.Tabla.NB.v.begin() + p.N), c.NB);
        EXPECT_EQ(sorteos.Usados(), c.sorteos.size());
    }
}

TEST(GenerarProblema, UnProblemaMenorNoHeredaLaEntradaNMas1DelAnterior) {
    auto t = TextosExperimento::PorDefecto();
    t.EProbNB = "1";
    Generador g(7);
    ProblemaAleatorio p;
    t.NPMin = t.NPMax = "16";
    GenerarProblema(t, g, p);
    for (int i = 1; i <= 17; ++i) p.Tabla.D[i] = p.Tabla.RP[i] = p.Tabla.NN[i] = 1;
    t.NPMin = t.NPMax = "4";
    GenerarProblema(t, g, p);
    for (const auto& fila :
         {p.Tabla.NB, p.Tabla.D, p.Tabla.RP, p.Tabla.NN, p.Tabla.RPPL, p.Tabla.PPL})
        EXPECT_EQ(fila[5], 0);
}

TEST(GenerarProblema, LosCamposConvertidosDanLosMismosProblemas) {
    auto t = TextosExperimento::PorDefecto();
    t.CEMin = "3,25";
    const auto parametros = ParametrosExperimento::Convertir(t);
    Generador a(12345), b(12345);
    for (int i = 0; i < 500; ++i) {
        ProblemaAleatorio pa, pb;
        GenerarProblema(t, a, pa);
        GenerarProblema(parametros, b, pb);
        ASSERT_EQ(std::tie(pa.N, pa.Ts, pa.Ce, pa.Cp), std::tie(pb.N, pb.Ts, pb.Ce, pb.Cp));
        ASSERT_EQ(pa.Tabla, pb.Tabla);
    }
}

TEST(GenerarProblema, ElPrimerCampoQueNoConvierteEsElQueSeInforma) {
    // The order in which the draws meet the fields.
    QString TextosExperimento::*orden[] = {
        &TextosExperimento::NPMax, &TextosExperimento::NPMin,   &TextosExperimento::TsMax,
        &TextosExperimento::TsMin, &TextosExperimento::EProbNB, &TextosExperimento::CEMin,
        &TextosExperimento::CeMax, &TextosExperimento::CECpMin, &TextosExperimento::CeCpMax,
        &TextosExperimento::NBMin, &TextosExperimento::NBMax};
    for (std::size_t malo = 0; malo < std::size(orden); ++malo) {
        auto t = TextosExperimento::PorDefecto();
        for (std::size_t i = malo; i < std::size(orden); ++i) t.*orden[i] = QString("x%1").arg(i);
        const std::string esperado = "'x" + std::to_string(malo) + "'";
        for (const bool convertidos : {false, true}) {
            FuenteGuionada sorteos(SorteosEjemplo());
            ProblemaAleatorio p;
            try {
                if (convertidos)
                    GenerarProblema(ParametrosExperimento::Convertir(t), sorteos, p);
                else
                    GenerarProblema(t, sorteos, p);
                ADD_FAILURE() << "sin error para el campo " << malo;
            } catch (const std::runtime_error& e) {
                EXPECT_NE(std::string(e.what()).find(esperado), std::string::npos) << e.what();
            }
        }
    }
}

TEST(GenerarProblema, NuncaEscribeFueraDeLaTablaNiDejaUnCosteInfinito) {
    struct Caso {
        const char* nombre;
        const char *npMin, *npMax, *razon;
        const char* mensaje;
    };
    const Caso casos[] = {
        {"N_0", "0", "0", "100",
         "Especifique en «Nº Períodos Min:» un número de períodos entre 1 y 99."},
        {"N_100", "100", "100", "100",
         "Especifique en «Nº Períodos Min:» un número de períodos entre 1 y 99."},
        {"razon_0", "4", "4", "0", "Floating point division by zero"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        auto t = TextosExperimento::PorDefecto();
        t.NPMin = c.npMin, t.NPMax = c.npMax, t.CECpMin = t.CeCpMax = c.razon;
        FuenteGuionada sorteos(SorteosEjemplo());
        ProblemaAleatorio p;
        try {
            GenerarProblema(t, sorteos, p);
            ADD_FAILURE();
        } catch (const std::exception& e) {
            EXPECT_STREQ(e.what(), c.mensaje);
        }
        EXPECT_EQ(p.Tabla, TTablaMRP{});
    }
}
