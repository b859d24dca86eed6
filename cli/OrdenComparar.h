// "comparar": a problem file opened and solved with every method and the optimum, and the
// comparison written as the main window's panel shows it.
#pragma once

#include "Argumentos.h"
#include "Consola.h"

// The problem is calculated as "Plan óptimo" calculates it, with its warnings. On success the
// heading and one line per plan, tab-separated, are on consola.salida; warnings go to
// consola.errores and give SalidaAviso; failures throw with the platform's message.
EstadoSalida Comparar(const OrdenComparar& orden, const Consola& consola);
