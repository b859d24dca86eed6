// Reading integers and reals typed by the user or read from a file, in the locale's format.
#include "LecturaNumeros.h"

#include "Errores.h"
#include "EscrituraCifras.h"
#include "Numeros.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <string>
#include <utility>

namespace {

bool EsBlanco(QChar c) {
    return c == u' ' || c == u'\t';
}
bool EsDigito(QChar c) {
    return c >= u'0' && c <= u'9';
}

QStringView SinBlancos(QStringView texto) {
    while (!texto.isEmpty() && EsBlanco(texto.front())) texto = texto.sliced(1);
    while (!texto.isEmpty() && EsBlanco(texto.back())) texto.chop(1);
    return texto;
}

// Reads an optional sign at the front of `texto`; true for a minus.
bool LeerSigno(QStringView& texto) {
    if (texto.isEmpty() || (texto.front() != u'+' && texto.front() != u'-')) return false;
    const bool negativo = texto.front() == u'-';
    texto = texto.sliced(1);
    return negativo;
}

// Moves the leading decimal digits of `texto` to the end of `digitos`; returns how many.
qsizetype LeerDigitos(QStringView& texto, std::string& digitos) {
    qsizetype n = 0;
    while (n < texto.size() && EsDigito(texto[n])) digitos += char(texto[n++].unicode());
    texto = texto.sliced(n);
    return n;
}

// A real written as plain digits, split where the reading found its parts.
struct RealLeido {
    bool negativo = false;
    std::string entera;
    std::string fraccion;
    bool exponenteNegativo = false;
    std::string exponente;
};

// The syntax: sign, digits with at most one decimal separator (at least one digit), then an
// optional exponent: "e" or "E", sign, at least one digit. False when anything else is there.
bool Analizar(QStringView texto, const QString& separador, RealLeido& real) {
    real.negativo = LeerSigno(texto);
    qsizetype mantisa = LeerDigitos(texto, real.entera);
    if (!separador.isEmpty() && texto.startsWith(separador)) {
        texto = texto.sliced(separador.size());
        mantisa += LeerDigitos(texto, real.fraccion);
    }
    if (mantisa == 0) return false;
    if (!texto.isEmpty() && (texto.front() == u'e' || texto.front() == u'E')) {
        texto = texto.sliced(1);
        real.exponenteNegativo = LeerSigno(texto);
        if (LeerDigitos(texto, real.exponente) == 0) return false;
    }
    return texto.isEmpty();
}

// The decimal order of magnitude of a nonzero reading: the value lies in [10^(m-1), 10^m).
// Tells overflow from underflow when the value is out of range.
long long Magnitud(const RealLeido& real) {
    constexpr long long tope = 1'000'000'000'000LL;
    long long exponente = 0;
    for (const char c : real.exponente) exponente = std::min(tope, exponente * 10 + (c - '0'));
    if (real.exponenteNegativo) exponente = -exponente;
    const auto primera = real.entera.find_first_not_of('0');
    if (primera != std::string::npos)
        return static_cast<long long>(real.entera.size() - primera) + exponente;
    const auto ceros = real.fraccion.find_first_not_of('0');
    if (ceros == std::string::npos) return -tope; // zero
    return exponente - static_cast<long long>(ceros);
}

// The significant digits of a reading without leading or trailing zeros.
std::string Significativas(const RealLeido& real) {
    std::string cifras = real.entera + real.fraccion;
    cifras.erase(0, std::min(cifras.find_first_not_of('0'), cifras.size()));
    cifras.erase(cifras.find_last_not_of('0') + 1);
    return cifras;
}

// The largest double as the program writes it (1,79769313486232E308) lies above the largest
// double itself. Reading it, and anything up to it, as the largest double keeps every number the
// program writes readable; beyond it a value is out of range.
bool HastaElMayorEscrito(const RealLeido& real) {
    static const std::pair<long long, std::string> mayor = [] {
        std::array<char, 32> texto{};
        const std::size_t n = EscribirGeneral(DBL_MAX, 15, '.', texto.data());
        RealLeido leido;
        const QString escrito = QString::fromLatin1(texto.data(), qsizetype(n));
        Analizar(escrito, QStringLiteral("."), leido);
        return std::pair{Magnitud(leido), Significativas(leido)};
    }();
    const long long magnitud = Magnitud(real);
    if (magnitud != mayor.first) return magnitud < mayor.first;
    return Significativas(real) <= mayor.second; // same magnitude: digits compare as values
}

} // namespace

std::int32_t StrToInt(const QString& texto) {
    QStringView resto = SinBlancos(texto);
    const bool negativo = LeerSigno(resto);
    const long long limite = negativo ? 2147483648LL : 2147483647LL;
    long long valor = 0;
    bool valido = !resto.isEmpty();
    for (const QChar c : resto) {
        valido = valido && EsDigito(c);
        if (valido) valor = std::min(limite + 1, valor * 10 + (c.unicode() - u'0'));
    }
    if (!valido || valor > limite)
        throw EConvertError(QStringLiteral("''") + TextoEnMensaje(texto) +
                            QStringLiteral("'' is not a valid integer value"));
    return std::int32_t(negativo ? -valor : valor);
}

double StrToFloat(const QString& texto) {
    const auto error = [&] {
        return EConvertError(QStringLiteral("'") + TextoEnMensaje(texto) +
                             QStringLiteral("' is not a valid floating point value"));
    };
    RealLeido real;
    if (!Analizar(SinBlancos(texto), QLocale().decimalPoint(), real)) throw error();

    std::string cifras = real.entera + '.' + real.fraccion;
    if (!real.exponente.empty()) cifras += (real.exponenteNegativo ? "e-" : "e") + real.exponente;
    double valor = 0;
    const auto [fin, ec] = std::from_chars(cifras.data(), cifras.data() + cifras.size(), valor);
    if (ec == std::errc::result_out_of_range) {
        if (Magnitud(real) <= 0)
            valor = 0; // below the smallest subnormal
        else if (HastaElMayorEscrito(real))
            valor = DBL_MAX;
        else
            throw error();
    } else if (ec != std::errc() || fin != cifras.data() + cifras.size()) {
        throw error();
    }
    return real.negativo ? -valor : valor;
}
