// A .sol solution file read back into the grid's texts it was written from, so that a student's
// record saved with "Guardar solución" can be graded. Only a solution of the expected horizon is
// taken; anything else is refused with the reason.
#pragma once

#include "TextosCelda.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

struct SolucionLeida {
    // Why the bytes are not a solution of the problem's horizon; empty when they are one.
    QString Rechazo;
    // Grid rows 1 to 6, or 1 to 9 with the cost rows, each from column 0 (its label) to the last
    // column its line holds; every field as written, so an empty cell reads "0".
    TextosCelda Celdas;
    bool ConCostes = false;
};

// Reads the bytes of a solution of N periods: the header numbering 1 to N, then the rows in the
// grid's order under their labels, each with the fields TextoSolucion writes. Line ends may be
// CR LF or LF.
SolucionLeida LeerTextoSolucion(const QByteArray& bytes, std::int32_t N);
