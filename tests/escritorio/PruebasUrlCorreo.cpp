// The address that opens a new mail: the body arrives whole, whatever characters it holds.
#include "PlataformaQt.h"

#include <QUrlQuery>

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CuerpoDeCorreo {
    const char* nombre;
    QString cuerpo;
    QString recibido;
};
// ctest lists the cases by name.
void PrintTo(const CuerpoDeCorreo& caso, std::ostream* salida) {
    *salida << caso.nombre;
}

class UrlCorreo : public testing::TestWithParam<CuerpoDeCorreo> {};

TEST_P(UrlCorreo, LlevaElCuerpoEnteroSinDestinatarioNiAsunto) {
    const QUrl url = PlataformaQt::UrlCorreo(GetParam().cuerpo);

    EXPECT_TRUE(url.isValid()) << url.errorString().toStdString();
    EXPECT_EQ(url.scheme(), "mailto");
    EXPECT_EQ(url.path(), "") << "no recipient";
    const QUrlQuery consulta(url);
    ASSERT_EQ(consulta.queryItems().size(), 1) << url.toString().toStdString();
    EXPECT_EQ(consulta.queryItemValue("body", QUrl::FullyDecoded), GetParam().recibido);
}

INSTANTIATE_TEST_SUITE_P(
    Correo, UrlCorreo,
    testing::Values(CuerpoDeCorreo{"Sencillo", "hola", "hola"},
                    CuerpoDeCorreo{"DosLineas", "autor@example.org\nQuelmar 2013",
                                   "autor@example.org\r\nQuelmar 2013"},
                    CuerpoDeCorreo{"LineasYaEnCrLf", "a\r\nb", "a\r\nb"},
                    CuerpoDeCorreo{"SeparadoresDeConsulta", "a&subject=x+y=z#fin",
                                   "a&subject=x+y=z#fin"},
                    CuerpoDeCorreo{"Acentos", "Lotificación · Versión", "Lotificación · Versión"},
                    CuerpoDeCorreo{"Porcentaje", "100%25", "100%25"}),
    [](const auto& instancia) { return std::string(instancia.param.nombre); });

} // namespace
