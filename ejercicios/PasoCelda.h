// The step of the record that gives one cell its value, with the rule and its numbers
// ("NN = NB − D − RP + SS = 60 − 10 − 0 + 0 = 50"), for a student who got that cell wrong.
#pragma once

#include "Comprobacion.h"
#include "ResultadoCalculo.h"

#include <QString>

// The step of a checked cell of the record's result rows, in the record's own numbers; empty for
// any other cell.
QString PasoCelda(const ResultadoCalculo& exacto, int columna, int fila);

// What the explanation panel shows of a check: the place of the first difference and its step;
// empty when every cell is right.
QString PasoPrimeraDiferencia(const ResultadoCalculo& exacto, const Comprobacion& comprobacion);
