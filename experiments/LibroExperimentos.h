// The workbook of a run of experiments: the report's statistics as numbers (and the comparison with
// the optimum when the run made it), then how the run was made.
#pragma once

#include "Ejecucion.h"
#include "LibroHojas.h"
#include "ProblemaAleatorio.h"

#include <QString>

#include <cstdint>
#include <optional>

// What a run was made from, besides what it left in its DatosExperimentos.
struct EjecucionHecha {
    TextosExperimento Textos;
    std::optional<std::uint32_t> Semilla; // nothing when the draws did not come from a seed
    QString FicheroTraza;
};

// "Estadísticas": the report's table, each method's counts, its accumulated cost and its
// deviations as fractions shown as percentages; the optimum's below it. "Ejecución": the fields,
// the semilla, the trace file, the experiments done and the time taken.
Libro LibroExperimentos(const EjecucionHecha& ejecucion, const DatosExperimentos& datos);
