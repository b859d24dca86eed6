// Where every gross requirement of an exploded item comes from, as the record's tool tips say it:
// "40 de MESA × 1 en el período 7; 20 de demanda independiente".
#pragma once

#include "ExplosionProyecto.h"

#include <QStringList>

// Periods 1 to N: every parent, in the project's order, whose planned release in the period is
// not 0, with the quantity per unit, then the item's independent demand when it is not 0. An empty
// text for a period that nothing feeds.
QStringList OrigenNecesidadesBrutas(const Proyecto& proyecto, const ResultadoProyecto& resultado,
                                    int indice);
