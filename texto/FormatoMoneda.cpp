// Amounts of money in the locale's currency format, grouped in threes whatever the locale's
// minimum grouping says.
#include "FormatoMoneda.h"

#include "Numeros.h"

#include "EscrituraCifras.h"

#include <QLocale>

#include <cmath>

namespace {

// Qt's non-breaking and narrow spaces become plain ones, as the report is read; the narrow one
// has no byte in the ANSI code page.
QString ConEspacios(QString texto) {
    texto.replace(QChar(0x00A0), u' ');
    texto.replace(QChar(0x202F), u' ');
    return texto;
}

// What the locale writes before and after the amount, sign and symbol included.
struct Envoltura {
    QString antes;
    QString despues;
};

// Learnt from the locale's own spelling of one unit, so placement and spacing follow the locale.
Envoltura EnvolturaDe(const QLocale& locale, bool negativo) {
    const QString muestra =
        ConEspacios(locale.toCurrencyString(negativo ? -1.0 : 1.0, QString(), 0));
    const QString uno = locale.toString(1);
    const qsizetype donde = muestra.indexOf(uno);
    if (donde < 0)
        return {QString::fromLatin1(negativo ? "-" : ""), u' ' + locale.currencySymbol()};
    return {muestra.left(donde), muestra.mid(donde + uno.size())};
}

QString Agrupada(const std::string& entera, const QString& separador) {
    QString texto;
    const std::size_t n = entera.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) texto += separador;
        texto += QLatin1Char(entera[i]);
    }
    return texto;
}

} // namespace

QString FormatoMoneda(double valor, int precision, int decimales) {
    if (!std::isfinite(valor)) return FormatoGeneral(valor, precision);
    const CifrasFijas cifras = EscribirFijo(valor, decimales);
    if (qsizetype(cifras.entera.size()) > precision) return FormatoGeneral(valor, precision);

    const QLocale locale;
    QString importe = Agrupada(cifras.entera, ConEspacios(locale.groupSeparator()));
    if (!cifras.fraccion.empty())
        importe += locale.decimalPoint() +
                   QString::fromLatin1(cifras.fraccion.data(), qsizetype(cifras.fraccion.size()));
    const Envoltura envoltura = EnvolturaDe(locale, cifras.negativo);
    return envoltura.antes + importe + envoltura.despues;
}
