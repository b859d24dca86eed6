// The digits of reals: the general format that the grid, the reports and the trace file share, and
// the digits of the fixed format.
#include "EscrituraCifras.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
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

Significativas Redondeadas(double magnitud, int precision) {
    std::array<char, 48> texto;
    // Fast path for normal doubles: the shortest digits that read back as the value lie within
    // half a unit of it, so rounding them to fewer digits gives the rounding of the value itself,
    // except when exactly a half is dropped: a decimal boundary nearer the value than the shortest
    // digits would itself have been the shortest. Subnormals carry fewer digits: the long way.
    if (precision <= 15 && magnitud >= DBL_MIN) {
        const auto corta = std::to_chars(texto.data(), texto.data() + texto.size(), magnitud,
                                         std::chars_format::scientific);
        Significativas s = LeerCientifica(texto.data(), corta.ptr);
        if (s.cuantos <= precision || RecortarCortas(s, precision)) return s;
    }
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

std::size_t EscribirGeneral(double valor, int precision, char separador, char* destino) {
    char* p = destino;
    if (std::isnan(valor)) return std::size_t(Copiar("NAN", p) - destino);
    if (valor < 0) *p++ = '-'; // -0 is written "0"
    if (std::isinf(valor)) return std::size_t(Copiar("INF", p) - destino);
    if (valor == 0) {
        *p++ = '0';
        return std::size_t(p - destino);
    }
    precision = std::clamp(precision, 1, 17);
    const Significativas s = Redondeadas(std::fabs(valor), precision);
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
    return std::size_t(p - destino);
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
