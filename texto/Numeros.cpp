// Writing reals in the general and fixed formats, rounding, and the fast writer of trace numbers.
#include "Numeros.h"

#include "Ansi.h"
#include "EscrituraCifras.h"

#include <QLocale>

#include <array>
#include <charconv>
#include <cmath>

namespace {

// The digits are spelt with '.', which the locale's separator then replaces.
QString ConSeparadorLocal(QString texto) {
    const QString separador = QLocale().decimalPoint();
    if (separador != u'.') texto.replace(u'.', separador);
    return texto;
}

} // namespace

QString FloatToStr(double valor) {
    return FormatoGeneral(valor, 15);
}

QString FormatoGeneral(double valor, int precision) {
    std::array<char, 32> texto;
    const std::size_t n = EscribirGeneral(valor, precision, '.', texto.data());
    return ConSeparadorLocal(QString::fromLatin1(texto.data(), qsizetype(n)));
}

QString FormatoExacto(double valor) {
    std::array<char, 32> texto;
    std::size_t n = 0;
    for (int precision = 15; precision <= 17; ++precision) {
        n = EscribirGeneral(valor, precision, '.', texto.data());
        double leido = 0;
        // The text is "1E20", "1.5E-5" or plain digits, which from_chars reads exactly.
        std::from_chars(texto.data(), texto.data() + n, leido);
        if (leido == valor || !std::isfinite(valor)) break;
    }
    return ConSeparadorLocal(QString::fromLatin1(texto.data(), qsizetype(n)));
}

QString FormatoFijo(double valor, int precision, int decimales) {
    if (!std::isfinite(valor)) return FormatoGeneral(valor, precision);
    const CifrasFijas cifras = EscribirFijo(valor, decimales);
    if (qsizetype(cifras.entera.size()) > precision) return FormatoGeneral(valor, precision);
    QString texto = QString::fromLatin1(cifras.negativo ? "-" : "") +
                    QString::fromLatin1(cifras.entera.data(), qsizetype(cifras.entera.size()));
    if (!cifras.fraccion.empty())
        texto +=
            u'.' + QString::fromLatin1(cifras.fraccion.data(), qsizetype(cifras.fraccion.size()));
    return ConSeparadorLocal(texto);
}

FormatoRapido::FormatoRapido() {
    const QByteArray separador = AAnsi(QLocale().decimalPoint());
    separador_ = separador.size() == 1 ? separador[0] : '.';
}

FormatoRapido::FormatoRapido(char separadorDecimal) : separador_(separadorDecimal) {}

std::size_t FormatoRapido::General(double valor, char* destino) const {
    return EscribirGeneral(valor, 15, separador_, destino);
}

std::size_t FormatoRapido::General(long double valor, char* destino) const {
    return EscribirGeneral(valor, 15, separador_, destino);
}

std::size_t FormatoRapido::Entero(std::int64_t valor, char* destino) {
    return std::size_t(std::to_chars(destino, destino + 20, valor).ptr - destino);
}
