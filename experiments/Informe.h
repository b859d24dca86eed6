// The report lines a run appends to the experiments window's memo: eight, and the comparison with
// the optimum after them when the run solved it.
#pragma once

#include "Estadisticas.h"

#include <QString>
#include <QStringList>

QStringList LineasInforme(const QString& textoNExp, double segundos,
                          const TEstadisticas& estadisticas);

// A heading and one line per method: how often it reached the optimum, and its mean and greatest
// deviation from it.
QStringList LineasInformeOptimo(const TEstadisticasOptimo& estadisticas);
