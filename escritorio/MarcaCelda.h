// A mark on a cell of the string grid: a colour for its text or its background and a note for
// its tool tip. Marks are cues laid over the texts; they never change a text.
#pragma once

#include <QColor>
#include <QHash>
#include <QPoint>
#include <QString>

struct MarcaCelda {
    QColor Texto; // invalid: the view's own
    QColor Fondo; // invalid: none
    QString Nota; // added to the tool tip; none when empty
};

// The marks of one layer, by cell (column, row) in grid coordinates.
using MarcasCeldas = QHash<QPoint, MarcaCelda>;

// How long a layer's mark lasts: until the layer is replaced, or also until its cell's text
// changes (a mark that judges what the cell says).
enum class DuracionMarcas { HastaReemplazarlas, HastaCambiarElTexto };
