// Reading integers and reals from text, in Spanish (decimal comma) unless a test says otherwise.
#include "Errores.h"
#include "LocaleTemporal.h"
#include "MensajeDe.h"
#include "Numeros.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <string>

namespace {

struct EnteroValido {
    const char* caso;
    const char* texto;
    std::int32_t valor;
};

TEST(StrToInt, LeeEnterosValidos) {
    const EnteroValido casos[] = {
        {"cero", "0", 0},
        {"blancos_alrededor", " \t 42\t ", 42},
        {"signo_mas", "+7", 7},
        {"menos_cero", "-0", 0},
        {"ceros_delante", "007", 7},
        {"minimo_de_32_bits", "-2147483648", -2147483647 - 1},
        {"maximo_de_32_bits", "2147483647", 2147483647},
        {"muchos_ceros_delante", "000000000000000000000000012", 12},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(StrToInt(QString::fromUtf8(c.texto)), c.valor);
    }
}

TEST(StrToInt, RechazaConElTextoOriginalEnElMensaje) {
    const char* const rechazados[] = {
        "",
        "   ",
        "+",
        "-",
        "2147483648",
        "-2147483649",
        "99999999999999999999",
        "1,5",
        "1.5",
        "1e3",
        "- 5",
        "5 5",
        "0x10",
        "12a",
        "\n5",
        "++1",
        "\xD9\xA3" /* Arabic-Indic three */,
        "\xEF\xBC\x95" /* full-width five */,
    };
    for (const char* texto : rechazados) {
        SCOPED_TRACE(texto);
        const QString original = QString::fromUtf8(texto);
        EXPECT_EQ(MensajeDe([&] { StrToInt(original); }),
                  "''" + std::string(texto) + "'' is not a valid integer value");
    }
}

struct RealValido {
    const char* caso;
    const char* texto;
    double valor;
};

TEST(StrToFloat, LeeRealesConComaDecimal) {
    const RealValido casos[] = {
        {"coma", "2,5", 2.5},
        {"blancos_y_signo", " \t-2,5 ", -2.5},
        {"signo_mas", "+1", 1},
        {"sin_parte_entera", ",5", 0.5},
        {"coma_al_final", "5,", 5},
        {"exponente", "1E3", 1000},
        {"exponente_minuscula_negativo", "1e-3", 0.001},
        {"exponente_con_mas", "1,5E+2", 150},
        {"un_decimo_redondeado_al_double", "0,1", 0.1},
        {"mas_cifras_que_un_double", "0,1000000000000000055511151231257827", 0.1},
        {"mayor_double", "1,7976931348623157E308", DBL_MAX},
        {"mil_en_ceros_y_exponente", "0,001E311", 1e308},
        {"menor_subnormal", "4,9406564584124654E-324", 4.9406564584124654e-324},
        {"bajo_cero_con_mucho_exponente", "1E-99999999999999999999", 0},
        {"cero_con_exponente_enorme", "0E99999999999999999999", 0},
        {"ceros_delante", "00000000000000000000001", 1},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(StrToFloat(QString::fromUtf8(c.texto)), c.valor);
    }
    EXPECT_TRUE(std::signbit(StrToFloat(QStringLiteral("-1E-400"))));
}

TEST(StrToFloat, RechazaConElTextoOriginalEnElMensaje) {
    const std::string unoYTrescientosDiezCeros = "1" + std::string(310, '0');
    const std::string rechazados[] = {
        "",
        " ",
        ",",
        "-",
        "+-1",
        "2.5",
        "1.000",
        "1.000,5",
        "1,2,3",
        "1 000",
        "1,5 E3",
        "nan",
        "NaN",
        "inf",
        "-inf",
        "Infinity",
        "0x1p3",
        "1e",
        "1e+",
        "E5",
        "1e5x",
        "1E1,5",
        "1E400",
        "-1E400",
        "0,01E311",
        "1E99999999999999999999",
        unoYTrescientosDiezCeros,
        "\xD9\xA3" /* Arabic-Indic three */,
    };
    for (const std::string& texto : rechazados) {
        SCOPED_TRACE(texto);
        const QString original = QString::fromStdString(texto);
        // A message quotes no more than the first 200 characters.
        const QString citado =
            texto.size() > 200 ? original.left(200) + QStringLiteral("…") : original;
        EXPECT_EQ(QString::fromStdString(MensajeDe([&] { StrToFloat(original); })),
                  "'" + citado + "' is not a valid floating point value");
    }
}

TEST(StrToFloat, SigueElSeparadorDelLocale) {
    const LocaleTemporal ingles(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(StrToFloat(QStringLiteral("2.5")), 2.5);
    EXPECT_EQ(MensajeDe([] { StrToFloat(QStringLiteral("2,5")); }),
              "'2,5' is not a valid floating point value");
    EXPECT_EQ(MensajeDe([] { StrToFloat(QStringLiteral("1,000.5")); }),
              "'1,000.5' is not a valid floating point value");
}

// The program writes the largest doubles rounded up to 15 digits; such a text, and nothing
// above it, reads as the largest double.
TEST(StrToFloat, LeeLoQueElProgramaEscribeJuntoAlMayorDouble) {
    const struct {
        const char* caso;
        const char* texto;
        double valor;
    } leidos[] = {
        {"escrito_por_el_programa", "1,79769313486232E308", DBL_MAX},
        {"negativo", "-1,79769313486232E308", -DBL_MAX},
        {"con_ceros_al_final", "1,7976931348623200000E308", DBL_MAX},
        {"en_otra_escala", "179769313486232E294", DBL_MAX},
    };
    for (const auto& c : leidos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(StrToFloat(QString::fromUtf8(c.texto)), c.valor);
    }
    for (const char* fuera : {"1,797693134862320001E308", "1,79769313486233E308", "1,8E308"})
        EXPECT_EQ(QString::fromStdString(MensajeDe([&] { StrToFloat(QString::fromUtf8(fuera)); })),
                  QStringLiteral("'%1' is not a valid floating point value").arg(fuera));

    // Every double near the top: what is written reads back and is written the same again.
    double x = DBL_MAX;
    for (int i = 0; i < 2000; ++i, x = std::nextafter(x, 0.0)) {
        const QString escrito = FloatToStr(x);
        ASSERT_EQ(FloatToStr(StrToFloat(escrito)), escrito);
    }
}

// The whole text reaches the message, a NUL included; a long one is cut at 200 characters.
TEST(MensajesDeConversion, TextoEnteroYRecortado) {
    const QString conNul = QString::fromUtf8("8\0x", 3);
    const auto mensaje = [](const std::function<void()>& llamada) {
        try {
            llamada();
        } catch (const std::exception& error) {
            return MensajeError(error);
        }
        return QString();
    };
    EXPECT_EQ(mensaje([&] { StrToInt(conNul); }),
              QStringLiteral("''") + conNul + QStringLiteral("'' is not a valid integer value"));
    EXPECT_EQ(mensaje([&] { StrToFloat(conNul); }),
              QStringLiteral("'") + conNul +
                  QStringLiteral("' is not a valid floating point value"));

    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // two code units, one character
    const struct {
        const char* caso;
        QString texto;
        QString citado;
    } casos[] = {
        {"doscientos", QString(200, u'9'), QString(200, u'9')},
        {"doscientos_uno", QString(201, u'9'), QString(200, u'9') + u'…'},
        {"megas", QString(4 << 20, u'9'), QString(200, u'9') + u'…'},
        {"caracter_de_dos_unidades_al_final", QString(199, u'9') + emoji + u'9',
         QString(199, u'9') + emoji + u'…'},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(TextoEnMensaje(c.texto), c.citado);
        EXPECT_EQ(mensaje([&] { StrToInt(c.texto); }),
                  QStringLiteral("''") + c.citado +
                      QStringLiteral("'' is not a valid integer value"));
    }
}

} // namespace
