// The workbook of an exploded project, for the project window and "explotar --xlsx": its summary,
// then every item's record, every figure a number.
#pragma once

#include "ExplosionProyecto.h"
#include "LibroHojas.h"

inline const QString NombreHojaResumen = QStringLiteral("Resumen");

// The columns of resumen.tsv: a row per item in the order of the calculation, then the project's
// totals.
Hoja HojaResumen(const Proyecto& proyecto, const ResultadoProyecto& resultado);

// The summary first (the sheet a CSV holds), then every item's record as the main window exports
// it, on a sheet named by the item's code, in the order of the calculation.
Libro LibroProyecto(const Proyecto& proyecto, const ResultadoProyecto& resultado);
