// The explanation of a calculation as the panel, quelmar-cli and the report show it: the data, how
// the plan was made (written by the method's own explanation) and the total cost.
#pragma once

#include "BloqueExplicacion.h"
#include "CifrasLegibles.h"
#include "ResultadoCalculo.h"

#include <QStringList>

// The quantities rounded to `decimales` for reading, or as the grid writes them with
// DecimalesExactos; the blocks are the same either way, cell for cell.
Bloques TextosExplicacion(const ResultadoCalculo& calculo, int decimales = DecimalesLegibles);

// The blocks as lines of text, as the clipboard and quelmar-cli take them: each heading and
// paragraph a line, each table row a line of cells separated by TAB, an empty line between blocks.
QStringList LineasTabuladas(const Bloques& bloques);
