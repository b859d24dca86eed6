// Tab stops from the widest text of each column.
#include "TabuladoresColumnas.h"

#include <algorithm>

QList<qreal> PosicionesTabulacion(const QStringList& lineas,
                                  const std::function<qreal(const QString&)>& ancho,
                                  qreal separacion) {
    // The widest text of every column that a TAB ends.
    QList<qreal> anchos;
    for (const QString& linea : lineas) {
        const QStringList campos = linea.split(u'\t');
        for (qsizetype columna = 0; columna + 1 < campos.size(); ++columna) {
            if (columna == anchos.size()) anchos.append(0);
            anchos[columna] = std::max(anchos[columna], ancho(campos[columna]));
        }
    }
    QList<qreal> posiciones;
    qreal posicion = 0;
    for (const qreal anchoColumna : anchos) {
        posicion += anchoColumna + separacion;
        posiciones.append(posicion);
    }
    return posiciones;
}
