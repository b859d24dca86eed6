// Windows-1252 text in both directions.
#include "Ansi.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(Ansi, CadaByteVuelveIgualYDaUnCaracterDistinto) {
    QByteArray todos;
    for (int b = 0; b < 256; ++b) todos += char(b);
    const QString texto = DesdeAnsi(todos);
    ASSERT_EQ(texto.size(), 256);
    EXPECT_EQ(std::set<char16_t>(texto.utf16(), texto.utf16() + texto.size()).size(), 256u);
    EXPECT_EQ(AAnsi(texto), todos);
}

TEST(Ansi, Codificacion) {
    const struct {
        const char* caso;
        QString texto;
        QByteArray bytes;
    } casos[] = {
        {"ascii_con_tabuladores_y_fin_de_linea", QStringLiteral("NB\t1\r\n"), "NB\t1\r\n"},
        {"latin1", QStringLiteral("Técnica Nº ñ"),
         "T\xE9"
         "cnica N\xBA \xF1"},
        {"euro", QStringLiteral("€"), "\x80"},
        {"ligadura_y_comillas", QStringLiteral("Œ“”…"), "\x8C\x93\x94\x85"},
        {"Y_con_dieresis", QStringLiteral("Ÿ"), "\x9F"},
        {"byte_sin_definir_conserva_su_punto", QString(QChar(0x0081)), "\x81"},
        {"control_C1_ocupado_por_otro_caracter", QString(QChar(0x0080)), "?"},
        {"c_circunfleja_no_cabe", QStringLiteral("ĉ"), "?"},
        {"fuera_del_plano_basico_es_un_solo_interrogante", QStringLiteral("a😀b"), "a?b"},
        {"sustituto_suelto", QString(QChar(0xD800)) + u'x', "?x"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(AAnsi(c.texto), c.bytes);
    }
}

} // namespace
