// The string grid's copy, paste and delete over its texts, as spreadsheets exchange them: a block
// of cells is lines of TAB-separated fields.
#pragma once

#include "TextosCelda.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <limits>

// A rectangle of cells in grid coordinates (column, row); empty when either count is 0.
struct RangoCeldas {
    int columna = 1;
    int fila = 1;
    int columnas = 0;
    int filas = 0;

    int Celdas() const { return columnas * filas; }
    bool operator==(const RangoCeldas&) const = default;
};

// The texts of the range as lines of TAB-separated fields, each line ended by a line feed; an
// empty cell is an empty field.
QString TextoDeRango(const TextosCelda& textos, const RangoCeldas& rango);

// A text from the clipboard as lines of fields. Lines end at CR LF, LF or CR; the line end after
// the last line ends it and starts no empty line. An empty text is no line.
QList<QStringList> DividirBloque(const QString& texto);

// More than one field: what a paste spreads over cells rather than types into one.
bool EsBloque(const QList<QStringList>& bloque);

struct ResultadoPegado {
    int celdas = 0;       // cells written, one per field
    int fuera = 0;        // of those, the cells beyond the grid's row or column count
    RangoCeldas abarcado; // the rectangle from the first cell to the farthest one written
    int descartadas = 0;  // fields not written: beyond any row or column the grid can have
};

// Writes the block from the cell (columna, fila) rightwards and downwards, one cell per field;
// an empty field empties its cell. Cells beyond the grid's counts keep their texts in the store,
// as hidden cells do, up to the most columns and rows the grid can ever have: fields beyond those
// are counted and left out. A paste never starts in the fixed row or column: it then writes
// nothing.
ResultadoPegado PegarBloque(TextosCelda& textos, const QList<QStringList>& bloque, int columna,
                            int fila, int columnasRejilla, int filasRejilla,
                            int columnasMaximas = std::numeric_limits<int>::max(),
                            int filasMaximas = std::numeric_limits<int>::max());

// Empties every cell of the range.
void BorrarRango(TextosCelda& textos, const RangoCeldas& rango);
