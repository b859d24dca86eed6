// The two calculations of the main window: the checks and their warnings, the problem converted
// once, the engine's calls, and the result returned as records and written into the cells. The
// window and the command-line tool both calculate through here.
#pragma once

#include "AvisosProblema.h"
#include "ResultadoCalculo.h"
#include "TextosCelda.h"
#include "TextosProblema.h"

#include <optional>

// "Calcular" (LotificacinSeleccionada1Click): the checks and their warnings in order, then
// CalcularSeleccionada, then the result written into the cells and, after "Mejor de las
// anteriores", problema.Metodo set to the method chosen. Nothing when a warning refused it; the
// optimum is refused, last, costs that are not comparable.
// Conversion and arithmetic failures throw, and then the cells and the method have not changed.
std::optional<ResultadoCalculo> ComandoCalcular(TextosProblema& problema, TextosCelda& celdas,
                                                const Avisar& avisar);

// "Cálculo manual" (CalculoManual1Click): the check of the gross requirements, then
// CalcularManual, then the result written into the cells.
std::optional<ResultadoCalculo> ComandoCalculoManual(const TextosProblema& problema,
                                                     TextosCelda& celdas, const Avisar& avisar);

// Plans the converted problem with its selected method, recording how, and prices the plan; sets
// every method side by side.
ResultadoCalculo CalcularSeleccionada(const ProblemaNumerico& problema);

// Projects and prices the releases typed in the PPL row, recording where each is received; the
// method is not used. The user's plan joins the methods side by side.
ResultadoCalculo CalcularManual(const ProblemaNumerico& problema);

// Writes the result into grid rows 1 to 9, columns 1 to N + 1.
void MostrarResultado(const ResultadoCalculo& resultado, TextosCelda& celdas);
