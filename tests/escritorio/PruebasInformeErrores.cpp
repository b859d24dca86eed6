// The one error-report path: what reaches the user when a command fails.
#include "Errores.h"
#include "InformeErrores.h"
#include "Plataforma.h"
#include "PlataformaQt.h"

#include <QWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>

#include <cerrno>
#include <functional>
#include <stdexcept>
#include <string>

namespace {

class PlataformaSimulada : public Plataforma {
public:
    MOCK_METHOD(void, Aviso, (QWidget*, const QString&), (override));
    MOCK_METHOD(void, InformeError, (QWidget*, const QString&), (override));
    MOCK_METHOD(std::optional<QString>, ElegirFichero, (QWidget*, DialogoFichero&), (override));
    MOCK_METHOD(std::optional<QString>, ElegirCarpeta, (QWidget*, const QString&, const QString&),
                (override));
    MOCK_METHOD(bool, DialogoImprimir, (QWidget*, QPrinter&), (override));
    MOCK_METHOD(void, ConfigurarImpresora, (QWidget*, QPrinter&), (override));
    MOCK_METHOD(void, VistaPrevia, (QWidget*, QPrinter&, const std::function<void(QPrinter&)>&),
                (override));
    MOCK_METHOD(int, EjecutarModal, (QDialog&), (override));
    MOCK_METHOD(void, AbrirUrl, (const QUrl&), (override));
    MOCK_METHOD(bool, EnviarCorreo, (const QString&), (override));
};

struct OrdenQueFalla {
    const char* nombre;
    std::function<void()> lanzar;
    QString mensaje;
};
// ctest lists the cases by name.
void PrintTo(const OrdenQueFalla& caso, std::ostream* salida) {
    *salida << caso.nombre;
}

class ProtegidoInforma : public testing::TestWithParam<OrdenQueFalla> {};

TEST_P(ProtegidoInforma, ElMensajeDeLaExcepcionYDevuelveFalso) {
    testing::StrictMock<PlataformaSimulada> plataforma; // a warning here would be a fault
    QWidget ventana;
    EXPECT_CALL(plataforma, InformeError(&ventana, GetParam().mensaje)).Times(1);
    int pasosHechos = 0;

    const bool bien = Protegido(plataforma, &ventana, [&] {
        ++pasosHechos;
        GetParam().lanzar();
        ++pasosHechos;
    });

    EXPECT_FALSE(bien);
    EXPECT_EQ(pasosHechos, 1) << "the command ends where it fails";
}

INSTANTIATE_TEST_SUITE_P(
    Errores, ProtegidoInforma,
    testing::Values(
        OrdenQueFalla{"ErrorDeCalculo",
                      [] { throw std::runtime_error("Floating point division by zero"); },
                      "Floating point division by zero"},
        OrdenQueFalla{"ConversionConTextoNoAscii",
                      [] { throw EConvertError("'3,5€' is not a valid floating point value"); },
                      "'3,5€' is not a valid floating point value"},
        OrdenQueFalla{"ConversionConNul",
                      [] { throw EConvertError(QString::fromUtf8("''8\0x'' no", 9)); },
                      QString::fromUtf8("''8\0x'' no", 9)},
        OrdenQueFalla{"EntradaSalida", [] { throw EInOutError(ENOSPC); }, "Disk full"},
        OrdenQueFalla{"FaltaDeMemoria", [] { throw std::bad_alloc(); }, "std::bad_alloc"},
        OrdenQueFalla{"AlgoQueNoEsUnaExcepcion", [] { throw 42; }, "Unexpected error"}),
    [](const auto& instancia) { return std::string(instancia.param.nombre); });

TEST(Protegido, UnaOrdenSinErroresNoInformaDeNada) {
    testing::StrictMock<PlataformaSimulada> plataforma;
    bool hecha = false;

    EXPECT_TRUE(Protegido(plataforma, nullptr, [&] { hecha = true; }));
    EXPECT_TRUE(hecha);
}

// A message box breaks only between words: a long run gets places where it may break, and
// nothing else of the text changes.
TEST(TextoEnCaja, UnaTiradaLargaPuedePartirseCada40Caracteres) {
    const QChar corte(0x200B);
    const QString x40(40, u'x');
    const struct {
        const char* caso;
        QString texto;
        QString enCaja;
    } casos[] = {
        {"mensaje_corto", "'12a' is not a valid integer value",
         "'12a' is not a valid integer value"},
        {"tirada_de_40", x40 + " y", x40 + " y"},
        {"tirada_de_100", QString(100, u'x'), x40 + corte + x40 + corte + QString(20, u'x')},
        {"el_blanco_reinicia_la_cuenta", x40 + " " + x40, x40 + " " + x40},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(PlataformaQt::TextoEnCaja(c.texto), c.enCaja);
    }
}

} // namespace
