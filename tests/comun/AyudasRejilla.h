// Small helpers shared by the tests of the problem's files and calculations.
#pragma once

#include "MensajeDe.h"
#include "TextosCelda.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>
#include <string>

// Writes the texts into one grid row from column 1 on.
inline void PonerFila(TextosCelda& celdas, int fila, const QStringList& textos) {
    for (qsizetype i = 0; i < textos.size(); ++i) celdas.PonerCelda(int(i) + 1, fila, textos[i]);
}

// The texts of one grid row, columns 1 to ultimaColumna.
inline QStringList Fila(const TextosCelda& celdas, int fila, int ultimaColumna) {
    QStringList textos;
    for (int columna = 1; columna <= ultimaColumna; ++columna)
        textos.append(celdas.Celda(columna, fila));
    return textos;
}

// QStringList prints as its joined texts when an expectation fails.
inline void PrintTo(const QStringList& textos, std::ostream* salida) {
    *salida << '[' << textos.join(QStringLiteral("|")).toStdString() << ']';
}

inline void PrintTo(const QString& texto, std::ostream* salida) {
    *salida << '"' << texto.toStdString() << '"';
}

// Bytes print with TAB, CR, LF and bytes above 127 escaped, so a wrong byte is easy to see.
inline void PrintTo(const QByteArray& bytes, std::ostream* salida) {
    static const char hex[] = "0123456789ABCDEF";
    *salida << '"';
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\t')
            *salida << "\\t";
        else if (c == '\r')
            *salida << "\\r";
        else if (c == '\n')
            *salida << "\\n";
        else if (b < 32 || b > 126)
            *salida << "\\x" << hex[b >> 4] << hex[b & 15];
        else
            *salida << c;
    }
    *salida << '"';
}
