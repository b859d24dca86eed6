// Fuzz target: numbers as text. The first byte chooses the locale (decimal comma or point) and
// what the rest is: a double to write, or a text to read.
// - A finite double written in the general format with 15 to 17 digits reads back without error,
//   as the same double with 17 digits, and is written the same again.
// - A text is read as the C library reads it, or refused with a conversion error; what is read
//   is finite, and writing it and reading that back is stable.
#include "Comprobar.h"
#include "Errores.h"
#include "Numeros.h"

#include <QLocale>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The C library's reading of a text the reader accepted, in the C locale's spelling; a value
// beyond the largest double (only those the program writes are accepted) is the largest one.
double LecturaDeReferencia(QString texto) {
    texto.replace(QLocale().decimalPoint(), QStringLiteral("."));
    const std::string ascii = texto.trimmed().toStdString();
    const double valor = std::strtod(ascii.c_str(), nullptr);
    if (std::isinf(valor)) return std::copysign(DBL_MAX, valor);
    return valor;
}

void EscribirYLeer(double x, int precision) {
    if (!std::isfinite(x)) return;
    const QString escrito = FormatoGeneral(x, precision);
    double leido = 0;
    try {
        leido = StrToFloat(escrito);
    } catch (const EConvertError&) {
        Comprobar(false, "lo escrito se lee");
    }
    Comprobar(FormatoGeneral(leido, precision) == escrito, "lo leído se escribe igual");
    if (precision == 17) Comprobar(leido == x, "con 17 cifras, el mismo double");
    Comprobar(leido == LecturaDeReferencia(escrito), "como la biblioteca de C");
}

void Leer(const QString& texto) {
    try {
        const std::int32_t entero = StrToInt(texto);
        const std::string ascii = texto.trimmed().toStdString();
        Comprobar(std::strtoll(ascii.c_str(), nullptr, 10) == entero, "entero como strtoll");
    } catch (const EConvertError& error) {
        Comprobar(error.mensaje == QStringLiteral("''") + TextoEnMensaje(texto) +
                                       QStringLiteral("'' is not a valid integer value"),
                  "el mensaje cita el texto entero o sus 200 primeros caracteres");
    }
    double valor = 0;
    try {
        valor = StrToFloat(texto);
    } catch (const EConvertError& error) {
        Comprobar(error.mensaje == QStringLiteral("'") + TextoEnMensaje(texto) +
                                       QStringLiteral("' is not a valid floating point value"),
                  "el mensaje cita el texto entero o sus 200 primeros caracteres");
        return;
    }
    Comprobar(std::isfinite(valor), "un real leído es finito");
    Comprobar(valor == LecturaDeReferencia(texto), "real como strtod");
    EscribirYLeer(valor, 15);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    if (n == 0) return 0;
    const std::uint8_t modo = datos[0];
    QLocale::setDefault(modo & 1 ? QLocale(QLocale::English, QLocale::UnitedStates)
                                 : QLocale(QLocale::Spanish, QLocale::Spain));
    ++datos;
    --n;
    if (modo & 2) {
        if (n < sizeof(double)) return 0;
        double x = 0;
        std::memcpy(&x, datos, sizeof x);
        EscribirYLeer(x, 15 + (modo >> 2) % 3);
    } else {
        Leer(QString::fromUtf8(reinterpret_cast<const char*>(datos), qsizetype(n)));
    }
    return 0;
}
