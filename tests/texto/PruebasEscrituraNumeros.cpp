// Writing reals in the general, fixed and currency formats, and rounding halves to even.
#include "EscrituraCifras.h"
#include "LocaleTemporal.h"
#include "Numeros.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

struct Escritura {
    const char* caso;
    double valor;
    const char* texto;
};

TEST(FloatToStr, FormatoGeneralDeQuinceCifras) {
    const double infinito = std::numeric_limits<double>::infinity();
    const Escritura casos[] = {
        {"cero", 0.0, "0"},
        {"menos_cero", -0.0, "0"},
        {"coma_decimal", 2.5, "2,5"},
        {"negativo", -2.5, "-2,5"},
        {"entero", 290, "290"},
        {"diez_elevado_a_20", 1e20, "1E20"},
        {"diez_elevado_a_menos_5", 1e-5, "1E-5"},
        {"cientifica_con_decimales", 1.5e-5, "1,5E-5"},
        {"diez_elevado_a_menos_4_aun_fijo", 0.0001, "0,0001"},
        {"ceros_tras_la_coma", 0.00012345, "0,00012345"},
        {"quince_cifras_enteras", 123456789012345, "123456789012345"},
        {"diez_elevado_a_14", 1e14, "100000000000000"},
        {"diez_elevado_a_15", 1e15, "1E15"},
        {"redondeo_que_sube_a_1E15", 999999999999999.9, "1E15"},
        {"dieciseis_cifras", 1234567890123456, "1,23456789012346E15"},
        {"suma_inexacta", 0.1 + 0.2, "0,3"},
        {"un_tercio", 1.0 / 3, "0,333333333333333"},
        {"dos_tercios_redondeado", 2.0 / 3, "0,666666666666667"},
        {"negativo_diminuto", -1e-300, "-1E-300"},
        {"mayor_double", DBL_MAX, "1,79769313486232E308"},
        {"subnormal_con_todas_sus_cifras", 4.9406564584124654e-324, "4,94065645841247E-324"},
        {"infinito", infinito, "INF"},
        {"menos_infinito", -infinito, "-INF"},
        {"no_numero", std::nan(""), "NAN"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(FloatToStr(c.valor).toStdString(), c.texto);
    }
}

struct ConPrecision {
    const char* caso;
    double valor;
    int precision;
    int decimales;
    const char* texto;
};

TEST(FormatoGeneral, RespetaLaPrecision) {
    const ConPrecision casos[] = {
        {"seis_cifras", 1234.5678, 6, 0, "1234,57"},
        {"seis_cifras_enteras", 123456, 6, 0, "123456"},
        {"siete_cifras_en_seis", 1234567, 6, 0, "1,23457E6"},
        {"media_exacta_a_par", 0.25, 1, 0, "0,2"},
        {"redondeo_que_gana_una_cifra", 9.99, 2, 0, "10"},
        {"redondeo_que_pasa_a_cientifica", 99.9, 2, 0, "1E2"},
        {"diecisiete_cifras_muestran_el_binario", 0.1, 17, 0, "0,10000000000000001"},
        {"dieciseis_cifras", 0.3, 16, 0, "0,3"},
        {"mas_de_diecisiete_es_diecisiete", 0.1, 40, 0, "0,10000000000000001"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(FormatoGeneral(c.valor, c.precision).toStdString(), c.texto);
    }
}

TEST(FormatoFijo, DecimalesFijosOGeneralSiNoCabe) {
    const ConPrecision casos[] = {
        {"segundos", 2.53, 8, 2, "2,53"},
        {"rellena_con_ceros", 2.5, 8, 2, "2,50"},
        {"cero", 0, 8, 2, "0,00"},
        {"negativo_que_redondea_a_cero", -0.001, 8, 2, "0,00"},
        {"negativo", -12.345, 8, 1, "-12,3"},
        {"media_exacta_a_par", 0.125, 8, 2, "0,12"},
        {"media_entera_a_par", 1234.5, 8, 0, "1234"},
        {"ocho_cifras_enteras_caben", 12345678.9, 8, 2, "12345678,90"},
        {"nueve_cifras_enteras_no_caben", 123456789, 8, 2, "1,2345679E8"},
        {"el_redondeo_anade_una_cifra", 99999999.999, 8, 2, "1E8"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(FormatoFijo(c.valor, c.precision, c.decimales).toStdString(), c.texto);
    }
}

TEST(FormatoMoneda, EurosEnEspanolAgrupadosDeTresEnTres) {
    const ConPrecision casos[] = {
        {"siete_cifras", 1234567, 10, 0, "1.234.567 €"},
        {"cuatro_cifras", 1234, 10, 0, "1.234 €"},
        {"tres_cifras", 123, 10, 0, "123 €"},
        {"cero", 0, 10, 0, "0 €"},
        {"negativo_que_redondea_a_cero", -0.4, 10, 0, "0 €"},
        {"negativo", -1234, 10, 0, "-1.234 €"},
        {"con_centimos", 1234.5, 10, 2, "1.234,50 €"},
        {"media_a_par", 2.5, 10, 0, "2 €"},
        {"el_redondeo_anade_un_grupo", 999999.5, 10, 0, "1.000.000 €"},
        {"mas_cifras_que_la_precision", 12345678901, 10, 0, "1,23456789E10"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(FormatoMoneda(c.valor, c.precision, c.decimales).toStdString(), c.texto);
    }
}

TEST(FormatoMoneda, DolaresEnInglesDeEstadosUnidos) {
    const LocaleTemporal ingles(QLocale(QLocale::English, QLocale::UnitedStates));
    const ConPrecision casos[] = {
        {"siete_cifras", 1234567, 10, 0, "$1,234,567"},
        {"cero", 0, 10, 0, "$0"},
        {"con_centavos", 1234.5, 10, 2, "$1,234.50"},
        {"negativo_como_lo_escribe_el_locale", -1234, 10, 0, "($1,234)"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(FormatoMoneda(c.valor, c.precision, c.decimales).toStdString(), c.texto);
    }
}

TEST(RedondearPar, LasMitadesVanAlPar) {
    const struct {
        double valor;
        double redondeado;
    } casos[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {12.5, 12},
        {37.5, 38},
        {2.4999999999999996, 2},
        {2.5000000000000004, 3},
        {-0.4, -0.0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valor);
        EXPECT_EQ(RedondearPar(c.valor), c.redondeado);
        EXPECT_EQ(RedondearPar(static_cast<long double>(c.valor)), c.redondeado);
    }
}

// The reference: the C library's %.15g as to_chars spells it, with the exponent rewritten.
std::string QuinceCifrasDeReferencia(double valor) {
    char texto[64];
    char* fin = std::to_chars(texto, texto + 64, valor, std::chars_format::general, 15).ptr;
    std::string referencia(texto, fin);
    for (char& c : referencia)
        if (c == '.') c = ',';
    const auto e = referencia.find('e');
    if (e == std::string::npos) return referencia;
    const int exponente = std::stoi(referencia.substr(e + 1));
    return referencia.substr(0, e) + 'E' + std::to_string(exponente);
}

TEST(FormatoRapido, CoincideConLaReferenciaEnValoresAlAzar) {
    std::mt19937_64 azar(20240611);
    const FormatoRapido formato(',');
    int comprobados = 0;
    for (int i = 0; i < 200000; ++i) {
        // Arbitrary bit patterns; short decimals like the costs of a trace; and subnormals of few
        // bits, whose shortest digits are short but not their rounding to 15 digits.
        double valor;
        if (i % 4 == 3) {
            // Sixteen digits ending in 5: the shortest digits are then an exact half at 15.
            const std::string texto = std::to_string(100000000000000 + azar() % 899999999999999) +
                                      "5e" + std::to_string(int(azar() % 40) - 20);
            std::from_chars(texto.data(), texto.data() + texto.size(), valor);
        } else if (i % 3 == 0) {
            const std::uint64_t bits = azar();
            std::memcpy(&valor, &bits, sizeof valor);
            if (!std::isfinite(valor) || valor == 0) continue;
        } else if (i % 3 == 1) {
            valor = double(std::int64_t(azar() % 2000001) - 1000000) / double(1 + azar() % 1000);
        } else {
            valor = std::numeric_limits<double>::denorm_min() * double(1 + azar() % 1000000);
        }
        char texto[32];
        const std::string escrito(texto, formato.General(valor, texto));
        ASSERT_EQ(escrito, QuinceCifrasDeReferencia(valor)) << "valor " << valor;
        ++comprobados;
    }
    EXPECT_GT(comprobados, 195000);
}

// An extended intermediate is rounded from its own value, not from the nearest double's: they
// differ in the 15th digit now and then (941,938453749753 here, where the double gives ...754).
TEST(FormatoRapido, UnValorExtendidoSeRedondeaDesdeSusPropiasCifras) {
    const FormatoRapido formato(',');
    char texto[32];
    const long double cociente = 941.9384537497534997L;
    EXPECT_EQ(std::string(texto, formato.General(cociente, texto)), "941,938453749753");
    EXPECT_EQ(std::string(texto, formato.General(static_cast<double>(cociente), texto)),
              "941,938453749754");

    std::mt19937_64 azar(41);
    for (int i = 0; i < 100000; ++i) {
        // Quotients like the trace's Ce / Cp, and values right at a 15-digit half.
        long double valor = static_cast<long double>(double(1 + azar() % 3000000) / 100000.0) /
                            static_cast<long double>(double(1 + azar() % 2000000) / 1e9);
        if (i % 10 == 0) valor = (1e14L + (azar() % 899999999999999) + 0.5L) * 1e-12L;
        char exacto[64];
        char* fin = std::to_chars(exacto, exacto + 64, valor, std::chars_format::general, 15).ptr;
        std::string referencia(exacto, fin);
        for (char& c : referencia)
            if (c == '.') c = ',';
        if (referencia.find('e') != std::string::npos) continue;
        ASSERT_EQ(std::string(texto, formato.General(valor, texto)), referencia) << i;
    }
}

// Fewer digits round the same way, through the same fast path.
TEST(FormatoGeneral, CoincideConLaReferenciaEnCualquierPrecision) {
    std::mt19937_64 azar(7);
    for (int i = 0; i < 20000; ++i) {
        const double valor = double(azar() % 100000000000) / double(1 + azar() % 100000);
        for (int precision : {8, 10, 12}) {
            char texto[64];
            char* fin =
                std::to_chars(texto, texto + 64, valor, std::chars_format::general, precision).ptr;
            QString referencia = QString::fromLatin1(texto, int(fin - texto));
            referencia.replace('.', ',');
            if (referencia.contains('e')) continue;
            ASSERT_EQ(FormatoGeneral(valor, precision), referencia) << valor << " " << precision;
        }
    }
}

// Sixteen significant digits with the point moved through every place, positive and negative,
// written with every precision: the integer part and the decimals on either side of the separator,
// up to seventeen characters after the sign.
TEST(FormatoGeneral, ElSeparadorEnCadaLugarConCadaPrecision) {
    for (int lugar = 0; lugar <= 16; ++lugar) {
        const double magnitud = 1234567890123456.0 / std::pow(10.0, lugar);
        for (const double valor : {magnitud, -magnitud, std::round(magnitud)}) {
            for (int precision = 1; precision <= 17; ++precision) {
                char texto[64];
                char* fin =
                    std::to_chars(texto, texto + 64, valor, std::chars_format::general, precision)
                        .ptr;
                QString referencia = QString::fromLatin1(texto, int(fin - texto));
                referencia.replace('.', ',');
                if (referencia.contains('e')) continue;
                ASSERT_EQ(FormatoGeneral(valor, precision), referencia)
                    << valor << " " << precision;
            }
        }
    }
}

TEST(FormatoRapido, SeparadorDelLocaleYEnteros) {
    char texto[32];
    EXPECT_EQ(std::string(texto, FormatoRapido().General(16.5, texto)), "16,5");
    const std::int64_t minimo = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(std::string(texto, FormatoRapido::Entero(minimo, texto)), "-9223372036854775808");
}

} // namespace

// Every precision and every magnitude, doubles and extended values, against the C library's
// exact rounding: the 128-bit way where it reaches, the library's own beyond it, and exact
// halves (sixteen digits ending in 5) going to the even neighbour.
TEST(FormatoGeneral, ExactoEnCualquierPrecisionYMagnitud) {
    std::mt19937_64 azar(1451736);
    const auto referencia = [](auto valor, int precision) {
        char texto[128];
        char* fin =
            std::to_chars(texto, texto + 128, valor, std::chars_format::general, precision).ptr;
        std::string r(texto, fin);
        const auto e = r.find('e');
        if (e == std::string::npos) return r;
        return r.substr(0, e) + 'E' + std::to_string(std::stoi(r.substr(e + 1)));
    };
    for (int i = 0; i < 60000; ++i) {
        const int precision = 1 + int(azar() % 17);
        long double extendido;
        switch (i % 4) {
        case 0: { // any finite bit pattern of the 80-bit format
            const std::uint64_t mantisa = azar() | (std::uint64_t{1} << 63);
            const auto exponente = static_cast<std::uint16_t>(1 + azar() % 0x7ffe);
            std::memcpy(&extendido, &mantisa, 8);
            std::memcpy(reinterpret_cast<char*>(&extendido) + 8, &exponente, 2);
            break;
        }
        case 1:
            extendido = std::ldexp(static_cast<long double>(azar() | 1), int(azar() % 160) - 130);
            break;
        case 2:
            extendido = static_cast<long double>(azar() % 10000000000000000) + 0.5L;
            break;
        default:
            extendido = static_cast<long double>(1000000000000000 + azar() % 9000000000000000);
        }
        const double doble = static_cast<double>(extendido);
        char texto[32];
        ASSERT_EQ(std::string(texto, EscribirGeneral(extendido, precision, '.', texto)),
                  referencia(extendido, precision))
            << i;
        if (!std::isfinite(doble) || doble == 0) continue;
        ASSERT_EQ(std::string(texto, EscribirGeneral(doble, precision, '.', texto)),
                  referencia(doble, precision))
            << i;
    }
}
