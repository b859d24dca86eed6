// The digits of reals: the general format that the grid, the reports and the trace file share, and
// the digits of the fixed format.
#include "EscrituraCifras.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

namespace {

__extension__ typedef unsigned __int128 Entero128;

// The significant digits of a value, trailing zeros dropped, and the decimal exponent of the first.
// The digits start at digitos[desde]; all `precision` of them are there, the dropped zeros too,
// so that whole integer parts can be taken without looking at where the significant ones end.
struct Significativas {
    std::array<char, 48> digitos;
    int desde = 0;
    int cuantos = 0;
    int exponente = 0;
    const char* Cifras() const { return digitos.data() + desde; }
};

// A finite, nonzero magnitude as an integer times a power of two: m * 2^e2.
struct Binario {
    std::uint64_t m;
    int e2;
};

Binario Descomponer(double magnitud) {
    const auto bits = std::bit_cast<std::uint64_t>(magnitud);
    const auto fraccion = bits & ((std::uint64_t{1} << 52) - 1);
    const auto exponente = static_cast<int>(bits >> 52) & 0x7ff;
    if (exponente == 0) return {fraccion, -1074}; // subnormal
    return {fraccion | std::uint64_t{1} << 52, exponente - 1075};
}

// The x87 extended format: an explicit 64-bit mantissa and a 15-bit biased exponent. Another
// format (a quadruple precision long double) has more bits than this way can scale.
std::optional<Binario> Descomponer(long double magnitud) {
    if constexpr (std::numeric_limits<long double>::digits == 64 &&
                  std::endian::native == std::endian::little) {
        std::uint64_t m;
        std::uint16_t exponente;
        std::memcpy(&m, &magnitud, sizeof m);
        std::memcpy(&exponente, reinterpret_cast<const char*>(&magnitud) + sizeof m,
                    sizeof exponente);
        exponente &= 0x7fff;
        return Binario{m, (exponente == 0 ? 1 : int(exponente)) - 16383 - 63};
    } else if constexpr (std::numeric_limits<long double>::digits == 53) {
        return Descomponer(static_cast<double>(magnitud));
    } else {
        return std::nullopt;
    }
}

// 10^0 to 10^38, the powers that fit in 128 bits, and how many bits each takes.
constexpr std::array<Entero128, 39> Potencias = [] {
    std::array<Entero128, 39> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
    return p;
}();

constexpr int Bits(Entero128 x) {
    const auto alto = static_cast<std::uint64_t>(x >> 64);
    return alto != 0 ? 64 + std::bit_width(alto) : std::bit_width(static_cast<std::uint64_t>(x));
}

constexpr std::array<int, 39> BitsPotencias = [] {
    std::array<int, 39> b{};
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = Bits(Potencias[i]);
    return b;
}();

// What v * 10^k drops when it is cut to its whole part, against half a unit: the rounding needs
// to know whether it is nothing, below a half, exactly a half or above. In that order, so that
// it is worked out by comparisons, not branches: which it is is as good as random.
enum class Resto { Nada, Debajo, Mitad, Encima };

Resto ComparadoConMitad(Entero128 resto, Entero128 divisor) {
    const Entero128 doble = resto << 1; // divisor < 2^127, so no bit is lost
    return Resto(int(resto != 0) + int(doble >= divisor) + int(doble > divisor));
}

struct Escalado {
    Entero128 entero;
    Resto resto;
};

// v * 10^k for v = m * 2^e2, split into its whole part and what it drops, in 128-bit integers, so
// exactly; false when an intermediate would not fit. The common case, a value between 1e-4 and
// 1e15 written with up to 17 digits, is one 64 by 64-bit product and a shift.
[[gnu::always_inline]] inline bool Escalar(const Binario& b, int k, Escalado& e) {
    // Most values: a fraction of fewer than 64 bits and a power below 10^20, so that what the
    // shift drops fits in one word, with the half unit in its top bit.
    if (k >= 0 && k < 20 && b.e2 < 0 && b.e2 > -64) {
        const Entero128 producto =
            Entero128{b.m} * static_cast<std::uint64_t>(Potencias[std::size_t(k)]);
        const int s = -b.e2;
        const auto alto = static_cast<std::uint64_t>(producto >> 64);
        const auto bajo = static_cast<std::uint64_t>(producto);
        if (alto >> s != 0) return false; // the whole part needs more than 64 bits
        const std::uint64_t caido = bajo << (64 - s);
        constexpr std::uint64_t mitad = std::uint64_t{1} << 63;
        e = {(alto << (64 - s)) | (bajo >> s),
             Resto(int(caido != 0) + int(caido >= mitad) + int(caido > mitad))};
        return true;
    }
    const int bitsM = std::bit_width(b.m);
    if (k >= 0) {
        if (k >= int(Potencias.size()) || bitsM + BitsPotencias[std::size_t(k)] > 128) return false;
        const Entero128 producto =
            k < 20 ? Entero128{b.m} * static_cast<std::uint64_t>(Potencias[std::size_t(k)])
                   : Entero128{b.m} * Potencias[std::size_t(k)];
        if (b.e2 >= 0) {
            if (Bits(producto) + b.e2 > 128) return false;
            e = {producto << b.e2, Resto::Nada};
            return true;
        }
        const int s = -b.e2;
        if (s >= 128) return false;
        const Entero128 unidad = Entero128{1} << s;
        e = {producto >> s, ComparadoConMitad(producto & (unidad - 1), unidad)};
        return true;
    }
    const int j = -k;
    if (j >= int(Potencias.size())) return false;
    const int s = b.e2 >= 0 ? 0 : -b.e2;
    if (b.e2 >= 0 ? bitsM + b.e2 > 127 : BitsPotencias[std::size_t(j)] + s > 127) return false;
    const Entero128 dividendo = Entero128{b.m} << (b.e2 >= 0 ? b.e2 : 0);
    const Entero128 divisor = Potencias[std::size_t(j)] << s;
    e = {dividendo / divisor, ComparadoConMitad(dividendo % divisor, divisor)};
    return true;
}

// Drops the last digit of a scaled value whose decimal exponent was guessed one too low: the digit
// dropped and what was below it say where the shorter value stands against its half unit.
[[gnu::always_inline]] inline void QuitarCifra(std::uint64_t& numero, Resto& resto) {
    const auto cifra = static_cast<int>(numero % 10);
    const int debajo = int(resto != Resto::Nada);
    numero /= 10;
    resto = Resto(cifra > 5 ? 3 : cifra == 5 ? 2 + debajo : cifra > 0 ? 1 : debajo);
}

// The eight decimal digits of n < 10^8, zero-based, the first in the lowest byte: n split in two
// halves of four digits, each half in two pairs and each pair in two digits, every lane of the
// word at once by multiplications that divide exactly in their range.
[[gnu::always_inline]] inline std::uint64_t OchoCifras(std::uint32_t n) {
    const std::uint64_t mitades = (n / 10000) | (std::uint64_t{n % 10000} << 32);
    const std::uint64_t centenas = ((mitades * 10486) >> 20) & 0x0000007F0000007Fu;
    const std::uint64_t pares = centenas | ((mitades - centenas * 100) << 16);
    const std::uint64_t decenas = ((pares * 103) >> 10) & 0x000F000F000F000Fu;
    return decenas | ((pares - decenas * 10) << 8);
}

// The digits of a number below 10^17, zeros in front, so that the last `precision` are its own.
[[gnu::always_inline]] inline void Cifras(std::uint64_t numero, int precision, Significativas& s) {
    static_assert(std::endian::native == std::endian::little, "digits laid out byte by byte");
    constexpr std::uint64_t Ocho = 100000000;
    constexpr std::uint64_t Ceros = 0x3030303030303030u;
    const std::uint64_t medio = OchoCifras(static_cast<std::uint32_t>(numero / Ocho % Ocho));
    const std::uint64_t bajo = OchoCifras(static_cast<std::uint32_t>(numero % Ocho));
    char* p = s.digitos.data();
    if (precision > 16) {
        const std::uint64_t alto =
            OchoCifras(static_cast<std::uint32_t>(numero / (Ocho * Ocho))) + Ceros;
        std::memcpy(p, &alto, 8);
    }
    const std::uint64_t medioTexto = medio + Ceros;
    const std::uint64_t bajoTexto = bajo + Ceros;
    std::memcpy(p + 8, &medioTexto, 8);
    std::memcpy(p + 16, &bajoTexto, 8);
    s.desde = 24 - precision;
    // The last digit is in the highest byte: its zeros are the word's leading zero bytes.
    const int ceros =
        bajo == 0 ? 8 + (medio == 0 ? 8 : std::countl_zero(medio) / 8) : std::countl_zero(bajo) / 8;
    s.cuantos = std::max(1, precision - ceros);
}

// The exact way for every magnitude whose scaling fits in 128 bits (about 1e-8 to 1e38):
// the value times a power of ten, rounded to `precision` digits with exact halves to even.
[[gnu::always_inline]] inline bool Exactas(const Binario& b, int precision, Significativas& s) {
    // The decimal exponent from the binary one: floor(log2 v * log10 2), never above the true
    // one and at most two below it (then the scaled value has a digit or two too many).
    const int log2 = std::bit_width(b.m) - 1 + b.e2;
    int x = log2 >= 0 ? (log2 * 78913) >> 18 : -((-log2 * 78914 + (1 << 18) - 1) >> 18);
    Escalado e{};
    if (!Escalar(b, precision - 1 - x, e)) return false;
    if (e.entero >> 64 != 0) return false;
    auto numero = static_cast<std::uint64_t>(e.entero);
    const auto tope = static_cast<std::uint64_t>(Potencias[std::size_t(precision)]);
    while (numero >= tope) {
        QuitarCifra(numero, e.resto);
        ++x;
    }
    if (numero < tope / 10) return false; // not reached: the guess is never too high
    // Up above a half, and at a half to the even neighbour: by a sum, since which it is is as
    // good as random, and a branch on it would mostly go wrong.
    numero += std::uint64_t{int(e.resto) + int(numero & 1) >= int(Resto::Encima)};
    if (numero == tope) { // 99..9 rounds up to 100..0
        numero /= 10;
        ++x;
    }
    s.exponente = x;
    Cifras(numero, precision, s);
    return true;
}

// Reads the "d.ddde+XX" that to_chars writes in scientific notation.
void LeerCientifica(const char* p, const char* fin, Significativas& s) {
    s.digitos.fill('0');
    s.desde = s.cuantos = 0;
    for (; *p != 'e'; ++p)
        if (*p != '.') s.digitos[std::size_t(s.cuantos++)] = *p;
    const bool negativo = p[1] == '-';
    int exponente = 0;
    for (p += 2; p != fin; ++p) exponente = exponente * 10 + (*p - '0');
    s.exponente = negativo ? -exponente : exponente;
    while (s.cuantos > 1 && s.digitos[std::size_t(s.cuantos - 1)] == '0') --s.cuantos;
}

// Exact digits for any magnitude: the 128-bit way where it reaches, the library's otherwise.
template <class Real>
[[gnu::always_inline]] inline void Redondeadas(Real magnitud, int precision, Significativas& s) {
    if (const std::optional<Binario> binario = Descomponer(magnitud);
        binario && Exactas(*binario, precision, s))
        return;
    std::array<char, 64> texto;
    const auto larga = std::to_chars(texto.data(), texto.data() + texto.size(), magnitud,
                                     std::chars_format::scientific, precision - 1);
    LeerCientifica(texto.data(), larga.ptr, s);
}

char* Copiar(const char* texto, char* destino) {
    const std::size_t n = std::strlen(texto);
    std::memcpy(destino, texto, n);
    return destino + n;
}

// Copies n digits (at most 24) eight bytes at a time: what it writes past them is overwritten
// later or lies beyond the text, within the 32 bytes the caller provides.
char* CopiarCifras(const char* origen, int n, char* destino) {
    for (int i = 0; i < n; i += 8) std::memcpy(destino + i, origen + i, 8);
    return destino + n;
}

// The digits, at most 16 as Cifras leaves them, with the separator after the first `enteras` (up to
// all of them, then without separator), composed in registers from the two words Cifras stored
// and written as 16 bytes, of which the text takes the first. Reading the digits back from where
// they start, between those words, would wait for both stores to reach memory.
[[gnu::always_inline]] inline char* EnteroYFraccion(const Significativas& s, int enteras,
                                                    char separador, char* p) {
    std::uint64_t medio, bajo;
    std::memcpy(&medio, s.digitos.data() + 8, 8);
    std::memcpy(&bajo, s.digitos.data() + 16, 8);
    const Entero128 cifras = (Entero128{bajo} << 64 | medio) >> (8 * (s.desde - 8));
    Entero128 texto = cifras;
    int largo = enteras;
    if (s.cuantos > enteras) { // then enteras < 16
        // The digits from `enteras` on move one byte up (the 16th, if any, out of the word), and
        // the separator takes the byte they leave.
        const Entero128 separadorEn = Entero128{1} << (8 * enteras);
        texto = (cifras & (separadorEn - 1)) | separadorEn * static_cast<unsigned char>(separador) |
                (cifras & -separadorEn) << 8;
        largo = s.cuantos + 1;
    }
    const auto bajoTexto = static_cast<std::uint64_t>(texto);
    const auto altoTexto = static_cast<std::uint64_t>(texto >> 64);
    std::memcpy(p, &bajoTexto, 8);
    std::memcpy(p + 8, &altoTexto, 8);
    if (largo > 16) p[16] = static_cast<char>(cifras >> 120); // the 16th digit, after a separator
    return p + largo;
}

// Lays out the significant digits in the general format after the sign.
[[gnu::always_inline]] inline char* Componer(const Significativas& s, int precision, char separador,
                                             char* p) {
    const char* digitos = s.Cifras();
    const int x = s.exponente;
    if (x < -4 || x >= precision) {
        *p++ = digitos[0];
        if (s.cuantos > 1) {
            *p++ = separador;
            p = CopiarCifras(digitos + 1, s.cuantos - 1, p);
        }
        *p++ = 'E';
        p = std::to_chars(p, p + 8, x).ptr;
    } else if (x < 0) {
        *p++ = '0';
        *p++ = separador;
        std::memcpy(p, "0000", 4);
        p = CopiarCifras(digitos, s.cuantos, p - x - 1);
    } else if (s.desde >= 8) { // the layout of Cifras, with at most 16 digits
        return EnteroYFraccion(s, x + 1, separador, p);
    } else {
        const int enteras = x + 1; // the digits after the last significant one are '0'
        p = CopiarCifras(digitos, enteras, p);
        if (s.cuantos > enteras) {
            *p++ = separador;
            p = CopiarCifras(digitos + enteras, s.cuantos - enteras, p);
        }
    }
    return p;
}

// NaN, infinities and zero, which have no significant digits; null for any other value.
template <class Real> char* Especial(Real valor, char* p) {
    if (valor != 0 && std::isfinite(valor)) [[likely]]
        return nullptr;
    if (std::isnan(valor)) return Copiar("NAN", p);
    if (std::isinf(valor)) return Copiar(valor < 0 ? "-INF" : "INF", p);
    *p = '0'; // -0 too
    return p + 1;
}

// The sign, then the digits of the magnitude laid out; a double and an extended value differ
// only in how their bits are read. Inlined whole, so that a constant precision folds into it.
template <class Real>
[[gnu::always_inline]] inline std::size_t General(Real valor, int precision, char separador,
                                                  char* destino) {
    if (char* fin = Especial(valor, destino)) return std::size_t(fin - destino);
    precision = std::clamp(precision, 1, 17);
    char* p = destino;
    if (valor < 0) *p++ = '-';
    Significativas s;
    Redondeadas(std::fabs(valor), precision, s);
    p = Componer(s, precision, separador, p);
    return std::size_t(p - destino);
}

// The precision of every number the program writes, made once with it as a constant: the
// trace's millions of numbers spend about a quarter less.
constexpr int PrecisionHabitual = 15;

} // namespace

std::size_t EscribirGeneral(double valor, int precision, char separador, char* destino) {
    if (precision == PrecisionHabitual)
        return General(valor, PrecisionHabitual, separador, destino);
    return General(valor, precision, separador, destino);
}

std::size_t EscribirGeneral(long double valor, int precision, char separador, char* destino) {
    if (precision == PrecisionHabitual)
        return General(valor, PrecisionHabitual, separador, destino);
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
