// "informe": a problem file calculated as "resolver" calculates it, and its report written as a
// PDF, as the main window's "Exportar informe a PDF..." writes it; a .mrp project exploded and its
// report written as "explotar --informe" writes it.
#pragma once

#include "Argumentos.h"
#include "Consola.h"

// Warnings go to consola.errores and give SalidaAviso, with nothing written; conversion,
// arithmetic and file failures throw with the platform's message. On success the method used is
// announced on consola.errores. Needs a QApplication: the report's chart is a graphics widget.
EstadoSalida EscribirInforme(const OrdenInforme& orden, const Consola& consola);
