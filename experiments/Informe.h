// The report lines a run appends to the experiments window's memo: eight, and the comparison with
// the optimum after them when the run solved it.
#pragma once

#include "Estadisticas.h"

#include <QString>
#include <QStringList>

// The method's label, padded to 15 characters so the columns line up in the memo.
QString Etiqueta(TipoLotificacion metodo);

// The headings of the report's table, as its second line spells them ("Técnica" padded).
QStringList CabeceraInforme();
// The headings of the comparison with the optimum, as its first line spells them.
QStringList CabeceraInformeOptimo();

QStringList LineasInforme(const QString& textoNExp, double segundos,
                          const TEstadisticas& estadisticas);

// A heading and one line per method: how often it reached the optimum, and its mean and greatest
// deviation from it.
QStringList LineasInformeOptimo(const TEstadisticasOptimo& estadisticas);
