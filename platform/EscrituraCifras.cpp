// The digits of reals: the general format that the grid, the reports and the trace file share, and
// the digits of the fixed format.
#include "EscrituraCifras.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// The significant digits of a value, trailing zeros dropped, and the decimal exponent of the first.
struct Significativas {
    std::array<char, 24> digitos{};
    int cuantos = 0;
    int exponente = 0;
};

// Reads the "d.ddde+XX" that to_chars writes in scientific notation.
Significativas LeerCientifica(const char* p, const char* fin) {
    Significativas s;
    for (; *p != 'e'; ++p)
        if (*p != '.') s.digitos[std::size_t(s.cuantos++)] = *p;
    const bool negativo = p[1] == '-';
    int exponente = 0;
    for (p += 2; p != fin; ++p) exponente = exponente * 10 + (*p - '0');
    s.exponente = negativo ? -exponente : exponente;
    while (s.cuantos > 1 && s.digitos[std::size_t(s.cuantos - 1)] == '0') --s.cuantos;
    return s;
}

// Rounds shortest digits that do not fit to `precision` digits, half up. False for an exact half
// ("...5" dropped), which only the exact value can decide.
bool RecortarCortas(Significativas& s, int precision) {
    const auto d = [&s](int i) -> char& { return s.digitos[std::size_t(i)]; };
    const char primera = d(precision);
    if (primera == '5' && s.cuantos == precision + 1) return false;
    s.cuantos = precision;
    if (primera >= '5') {
        int i = precision - 1;
        while (i >= 0 && d(i) == '9') d(i--) = '0';
        if (i >= 0) {
            ++d(i);
        } else { // 99..9 rounds to 100..0
            d(0) = '1';
            ++s.exponente;
        }
    }
    while (s.cuantos > 1 && d(s.cuantos - 1) == '0') --s.cuantos;
    return true;
}

// 10^0 to 10^27, all exact in the 64-bit mantissa of a long double.
const std::array<long double, 28> Potencias = [] {
    std::array<long double, 28> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
    return p;
}();

// The fast way: the value scaled by an exact power of ten in extended precision is off the
// exact product by less than 1e-4 of a unit at 15 digits, so rounding it to a whole number gives
// the digits, except near a half, which only an exact conversion can decide (false then, and
// for values this way does not reach).
bool Escaladas(long double magnitud, int precision, Significativas& s) {
    if (precision > 15 || !(magnitud > 0)) return false;
    // log10(2): an estimate of the decimal exponent that is at most one too low.
    int x = static_cast<int>(std::floor(std::ilogb(magnitud) * 0.30102999566398120));
    long double escalado = 0;
    for (int intento = 0; intento < 2; ++intento) {
        const int k = precision - 1 - x;
        if (k < -27 || k > 27) return false;
        escalado =
            k >= 0 ? magnitud * Potencias[std::size_t(k)] : magnitud / Potencias[std::size_t(-k)];
        if (escalado < Potencias[std::size_t(precision)]) break;
        ++x;
    }
    if (escalado < Potencias[std::size_t(precision - 1)] ||
        escalado >= Potencias[std::size_t(precision)])
        return false;
    const long double entera = std::floor(escalado);
    const long double fraccion = escalado - entera;
    constexpr long double Margen = 1e-3L;
    if (std::fabs(fraccion - 0.5L) < Margen) return false;
    auto numero = static_cast<std::uint64_t>(entera) + (fraccion > 0.5L ? 1 : 0);
    if (static_cast<long double>(numero) == Potencias[std::size_t(precision)]) { // 99..9 to 100..0
        numero /= 10;
        ++x;
    }
    s.exponente = x;
    s.cuantos = precision;
    for (int i = precision - 1; i >= 0; --i, numero /= 10)
        s.digitos[std::size_t(i)] = static_cast<char>('0' + numero % 10);
    while (s.cuantos > 1 && s.digitos[std::size_t(s.cuantos - 1)] == '0') --s.cuantos;
    return true;
}

Significativas Redondeadas(double magnitud, int precision) {
    Significativas s;
    if (magnitud >= DBL_MIN && Escaladas(magnitud, precision, s)) return s;
    std::array<char, 48> texto;
    // Next, for normal doubles: the shortest digits that read back as the value lie within half
    // a unit of it, so rounding them to fewer digits gives the rounding of the value itself,
    // except when exactly a half is dropped: a decimal boundary nearer the value than the shortest
    // digits would itself have been the shortest. Subnormals carry fewer digits: the long way.
    if (precision <= 15 && magnitud >= DBL_MIN) {
        const auto corta = std::to_chars(texto.data(), texto.data() + texto.size(), magnitud,
                                         std::chars_format::scientific);
        s = LeerCientifica(texto.data(), corta.ptr);
        if (s.cuantos <= precision || RecortarCortas(s, precision)) return s;
    }
    const auto larga = std::to_chars(texto.data(), texto.data() + texto.size(), magnitud,
                                     std::chars_format::scientific, precision - 1);
    return LeerCientifica(texto.data(), larga.ptr);
}

// The digits of an extended value, from its own value rather than from the nearest double's.
Significativas Redondeadas(long double magnitud, int precision) {
    Significativas s;
    if (Escaladas(magnitud, precision, s)) return s;
    std::array<char, 64> texto;
    const auto larga = std::to_chars(texto.data(), texto.data() + texto.size(), magnitud,
                                     std::chars_format::scientific, precision - 1);
    return LeerCientifica(texto.data(), larga.ptr);
}

char* Copiar(const char* texto, char* destino) {
    const std::size_t n = std::strlen(texto);
    std::memcpy(destino, texto, n);
    return destino + n;
}

} // namespace

namespace {

// Lays out the significant digits in the general format after the sign.
char* Componer(const Significativas& s, int precision, char separador, char* p) {
    const char* digitos = s.digitos.data();
    const int x = s.exponente;
    if (x < -4 || x >= precision) {
        *p++ = digitos[0];
        if (s.cuantos > 1) {
            *p++ = separador;
            p = std::copy(digitos + 1, digitos + s.cuantos, p);
        }
        *p++ = 'E';
        p = std::to_chars(p, p + 8, x).ptr;
    } else if (x < 0) {
        *p++ = '0';
        *p++ = separador;
        p = std::fill_n(p, -x - 1, '0');
        p = std::copy(digitos, digitos + s.cuantos, p);
    } else {
        const int enteras = x + 1;
        for (int i = 0; i < enteras; ++i) *p++ = i < s.cuantos ? digitos[i] : '0';
        if (s.cuantos > enteras) {
            *p++ = separador;
            p = std::copy(digitos + enteras, digitos + s.cuantos, p);
        }
    }
    return p;
}

// NaN, infinities and zero, which have no significant digits; null for any other value.
template <class Real> char* Especial(Real valor, char* p) {
    if (std::isnan(valor)) return Copiar("NAN", p);
    if (std::isinf(valor)) return Copiar(valor < 0 ? "-INF" : "INF", p);
    if (valor != 0) return nullptr;
    *p = '0'; // -0 too
    return p + 1;
}

// The sign, then the digits of the magnitude laid out; a double and an extended value differ
// only in how their digits are rounded.
template <class Real>
std::size_t General(Real valor, int precision, char separador, char* destino) {
    if (char* fin = Especial(valor, destino)) return std::size_t(fin - destino);
    precision = std::clamp(precision, 1, 17);
    char* p = destino;
    if (valor < 0) *p++ = '-';
    p = Componer(Redondeadas(std::fabs(valor), precision), precision, separador, p);
    return std::size_t(p - destino);
}

} // namespace

std::size_t EscribirGeneral(double valor, int precision, char separador, char* destino) {
    return General(valor, precision, separador, destino);
}

std::size_t EscribirGeneral(long double valor, int precision, char separador, char* destino) {
    return General(valor, precision, separador, destino);
}

CifrasFijas EscribirFijo(double valor, int decimales) {
    decimales = std::clamp(decimales, 0, 30);
    std::array<char, 360> texto; // 309 integer digits at most, the sign, the point and 30 decimals
    const char* fin = std::to_chars(texto.data(), texto.data() + texto.size(), valor,
                                    std::chars_format::fixed, decimales)
                          .ptr;
    const char* p = texto.data();
    CifrasFijas cifras;
    cifras.negativo = *p == '-';
    if (cifras.negativo) ++p;
    const char* punto = std::find(p, fin, '.');
    cifras.entera.assign(p, punto);
    if (punto != fin) cifras.fraccion.assign(punto + 1, fin);
    const auto cero = [](const std::string& d) {
        return std::all_of(d.begin(), d.end(), [](char c) { return c == '0'; });
    };
    if (cero(cifras.entera) && cero(cifras.fraccion)) cifras.negativo = false;
    return cifras;
}
