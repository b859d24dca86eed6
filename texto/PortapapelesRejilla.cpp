// Copy, paste and delete over a grid's texts.
#include "PortapapelesRejilla.h"

#include <QRegularExpression>

#include <algorithm>

QString TextoDeRango(const TextosCelda& textos, const RangoCeldas& rango) {
    QString texto;
    for (int fila = rango.fila; fila < rango.fila + rango.filas; ++fila) {
        for (int columna = rango.columna; columna < rango.columna + rango.columnas; ++columna) {
            if (columna > rango.columna) texto += u'\t';
            texto += textos.Celda(columna, fila);
        }
        texto += u'\n';
    }
    return texto;
}

QList<QStringList> DividirBloque(const QString& texto) {
    static const QRegularExpression finDeLinea(QStringLiteral("\r\n|\n|\r"));
    QStringList lineas = texto.split(finDeLinea);
    // Spreadsheets end the last line too; that end opens no line of its own.
    if (!lineas.isEmpty() && lineas.constLast().isEmpty()) lineas.removeLast();
    QList<QStringList> bloque;
    bloque.reserve(lineas.size());
    for (const QString& linea : lineas) bloque.append(linea.split(u'\t'));
    return bloque;
}

bool EsBloque(const QList<QStringList>& bloque) {
    return bloque.size() > 1 || (bloque.size() == 1 && bloque.constFirst().size() > 1);
}

ResultadoPegado PegarBloque(TextosCelda& textos, const QList<QStringList>& bloque, int columna,
                            int fila, int columnasRejilla, int filasRejilla, int columnasMaximas,
                            int filasMaximas) {
    ResultadoPegado resultado;
    if (columna < 1 || fila < 1) return resultado;
    resultado.abarcado = {columna, fila, 0, int(bloque.size())};
    for (qsizetype i = 0; i < bloque.size(); ++i) {
        const QStringList& campos = bloque[i];
        const qsizetype filaDestino = fila + i;
        resultado.abarcado.columnas = std::max(resultado.abarcado.columnas, int(campos.size()));
        for (qsizetype j = 0; j < campos.size(); ++j) {
            const qsizetype columnaDestino = columna + j;
            if (columnaDestino >= columnasMaximas || filaDestino >= filasMaximas) {
                ++resultado.descartadas;
                continue;
            }
            textos.PonerCelda(int(columnaDestino), int(filaDestino), campos[j]);
            ++resultado.celdas;
            if (columnaDestino >= columnasRejilla || filaDestino >= filasRejilla) ++resultado.fuera;
        }
    }
    return resultado;
}

void BorrarRango(TextosCelda& textos, const RangoCeldas& rango) {
    for (int fila = rango.fila; fila < rango.fila + rango.filas; ++fila)
        for (int columna = rango.columna; columna < rango.columna + rango.columnas; ++columna)
            textos.PonerCelda(columna, fila, QString());
}
