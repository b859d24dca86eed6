// The two calculations of the main window: the window's texts made an item with their checks and
// warnings, the item calculated, and the result written into the cells.
#pragma once

#include "AvisosProblema.h"
#include "ResultadoCalculo.h"
#include "TextosCelda.h"
#include "TextosProblema.h"

#include <optional>

// "Calcular" (LotificacinSeleccionada1Click): the item of the texts, CalcularSeleccionada, then
// the result written into the cells and, after "Mejor de las anteriores", problema.Metodo set to
// the method chosen. Nothing when a warning refused it. Conversion and arithmetic failures throw,
// and then the cells and the method have not changed.
std::optional<ResultadoCalculo> ComandoCalcular(TextosProblema& problema, TextosCelda& celdas,
                                                const Avisar& avisar);

// "Cálculo manual" (CalculoManual1Click): the item of the texts with the typed releases,
// CalcularManual, then the result written into the cells.
std::optional<ResultadoCalculo> ComandoCalculoManual(const TextosProblema& problema,
                                                     TextosCelda& celdas, const Avisar& avisar);

// Writes the result into grid rows 1 to 9, columns 1 to N + 1.
void MostrarResultado(const ResultadoCalculo& resultado, TextosCelda& celdas);

// The cells of a fresh grid of the result's horizon showing the result.
TextosCelda CeldasDelResultado(const ResultadoCalculo& resultado);
