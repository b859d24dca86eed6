// The texts of a string grid's cells.
#include "TextosCelda.h"

void TextosCelda::PonerCelda(int columna, int fila, const QString& texto) {
    // An empty cell is no entry, so two stores with the same visible texts compare equal.
    if (texto.isEmpty())
        textos_.remove(clave(columna, fila));
    else
        textos_.insert(clave(columna, fila), texto);
}
