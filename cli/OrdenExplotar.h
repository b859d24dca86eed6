// "explotar": a project exploded level by level through the same functions a project window
// calls, its files written into a folder, its policies compared and its report written.
#pragma once

#include "Argumentos.h"
#include "Consola.h"

// A .mrp project, or a .lot opened as "resolver" opens it and made a project of one item. Its
// warnings and refusals go to consola.errores and give SalidaAviso, with nothing written;
// conversion, arithmetic and file failures throw with their message. Without a folder, the
// policies or a report, the summary goes to consola.salida; a workbook goes besides. A report
// needs a QApplication.
EstadoSalida ExplotarFichero(const OrdenExplotar& orden, const Consola& consola);
