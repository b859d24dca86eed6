// Windows-1252 in both directions. Bytes below 0x80 and from 0xA0 on are the same code points;
// only 0x80..0x9F need the table.
#include "Ansi.h"

#include <algorithm>
#include <array>

namespace {

// Code points of bytes 0x80..0x9F. The five bytes the code page leaves undefined keep their own
// code point, so that any byte survives a round trip.
constexpr std::array<char16_t, 32> altos = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98
};

char ByteDe(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
    const auto donde = std::find(altos.begin(), altos.end(), c);
    return donde == altos.end() ? '?' : char(0x80 + (donde - altos.begin()));
}

} // namespace

QByteArray AAnsi(const QString& texto) {
    QByteArray bytes;
    bytes.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        // A character beyond the 16-bit plane is one character, so one "?".
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate()) ++i;
        bytes += c.isSurrogate() ? '?' : ByteDe(c.unicode());
    }
    return bytes;
}

QString DesdeAnsi(const QByteArray& bytes) {
    QString texto(bytes.size(), Qt::Uninitialized);
    QChar* destino = texto.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *destino++ = QChar(u >= 0x80 && u < 0xA0 ? altos[u - 0x80] : char16_t(u));
    }
    return texto;
}
