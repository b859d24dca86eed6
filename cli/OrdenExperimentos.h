// "experimentos": a run of the experiments window from the fields given on the command line,
// with the generator's seed fixed when one is given.
#pragma once

#include "Argumentos.h"
#include "Consola.h"

// A refusal of the fields, or of a trace that would not fit on its disk, goes to consola.errores
// and gives SalidaAviso; conversion, arithmetic and file failures throw with the platform's
// message. On success the report is on consola.salida.
EstadoSalida Experimentar(const OrdenExperimentos& orden, const Consola& consola);
