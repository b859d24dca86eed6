// The two documents of a sheet of exercises, as report contents for the report's painter: the
// statements, each with its data, its method and an empty record to fill in by hand, and the
// solutions, each the report of its calculation with the explanation of its lots.
#pragma once

#include "ContenidoInforme.h"
#include "GeneradorEjercicios.h"

#include <QString>

#include <vector>

// The sheet's description under each title: "12 ejercicios, dificultad 2, semilla 42".
QString DescripcionHoja(int cantidad, int dificultad, std::uint32_t semilla);

// One statement a page; two a page while both have at most 10 periods.
ContenidoInforme EnunciadosEjercicios(const std::vector<Ejercicio>& ejercicios,
                                      const QString& descripcion);

// One solution from the top of a page: the report of its calculation without the chart.
ContenidoInforme SolucionesEjercicios(const std::vector<Ejercicio>& ejercicios,
                                      const QString& descripcion);
