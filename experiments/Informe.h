// The eight report lines a run appends to the experiments window's memo.
#pragma once

#include "Estadisticas.h"

#include <QString>
#include <QStringList>

QStringList LineasInforme(const QString& textoNExp, double segundos,
                          const TEstadisticas& estadisticas);
