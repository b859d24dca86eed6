// The comparison of the methods as the window's panel and quelmar-cli show it: a heading and one
// row of texts per plan, the numbers in the grid's format.
#pragma once

#include "ComparacionMetodos.h"

#include <QStringList>

#include <vector>

QStringList CabeceraComparacion();

struct TextosFilaComparacion {
    TipoLotificacion Metodo = CodigoPlanManual;
    bool MasBarato = false;
    QStringList Celdas; // one under each heading
};

// A failed method shows its message under the total and nothing else; a percentage that means
// nothing is an empty text. A refused comparison has no rows: its Rechazo says why.
std::vector<TextosFilaComparacion> TextosComparacion(const ComparacionMetodos& comparacion);
