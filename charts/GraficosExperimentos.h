// The charts of an experiments run: how often each method was the cheapest, and how far it lay
// from the cheapest, and from the optimum when the run compared with it.
#pragma once

#include "DatosGrafico.h"
#include "Ejecucion.h"

// Per method the experiments in which it was the cheapest of the six and, when the run compared
// with the optimum, those in which it reached it. textoNExp is the number of experiments as the
// field held it.
DatosGrafico GraficoVecesMasBarato(const DatosExperimentos& datos, bool conOptimo,
                                   const QString& textoNExp);

// Per method its mean and greatest deviation from the cheapest, in percent, and from the optimum
// when the run compared with it.
DatosGrafico GraficoDesviaciones(const DatosExperimentos& datos, bool conOptimo);
