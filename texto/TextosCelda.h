// The texts of a string grid's cells, addressed (column, row) from 0. It keeps every cell that
// ever received text, whatever the grid's current row and column counts are.
#pragma once

#include <QHash>
#include <QString>

class TextosCelda {
public:
    QString Celda(int columna, int fila) const { return textos_.value(clave(columna, fila)); }
    void PonerCelda(int columna, int fila, const QString& texto);
    bool operator==(const TextosCelda&) const = default;

private:
    static quint64 clave(int columna, int fila) {
        return (quint64(quint32(columna)) << 32) | quint32(fila);
    }
    QHash<quint64, QString> textos_;
};
