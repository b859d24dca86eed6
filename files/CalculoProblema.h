// The two calculations of the main window over the problem's texts: the checks and their
// warnings, the grid read into the engine's records and the records written back as texts.
// The window and the command-line tool both calculate through here.
#pragma once

#include "LotificaUnit.h"
#include "TextosCelda.h"
#include "TextosProblema.h"

#include <QString>

#include <functional>

// Shows one warning to the user; the calculation goes on with its checks.
using Avisar = std::function<void(const QString&)>;

inline const QString AvisoCostes =
    QStringLiteral("Especifique valores distintos de 0 para los costes de emisión y posesión");
inline const QString AvisoNecesidadBruta =
    QStringLiteral("Especifique algún valor de necesidad bruta para resolver.");
inline const QString AvisoPeriodos =
    QStringLiteral("Especifique un número de períodos entre 1 y 99.");
inline const QString AvisoTiempoSuministro =
    QStringLiteral("Especifique un tiempo de suministro mayor o igual que 0.");

// True when the gross requirements of periods 1 to N do not add up to exactly 0.
bool HayNecesidadBruta(const TextosProblema& problema, const TextosCelda& celdas);

// Fills the records from the grid: NB and RP of periods 1 to N, D of period 1 and, when Manual,
// PPL of periods 1 to N; everything else 0. Periods beyond MaxPeriodos are not read.
void LeerTabla(const TextosProblema& problema, const TextosCelda& celdas, bool Manual,
               TTablaMRP& Tabla, TCostesMRP& Costes);

// Writes both records into grid rows 1 to 9, columns 1 to N + 1; exactly 0 gives an empty cell.
void MostrarTabla(const TextosProblema& problema, const TTablaMRP& Tabla, const TCostesMRP& Costes,
                  TextosCelda& celdas);

// "Calcular" (LotificacinSeleccionada1Click): the checks and their warnings in order, then
// CalcularSeleccionada. Returns true when the grid was rewritten. Conversion and arithmetic
// failures throw, and then the cells and the method have not changed.
bool ComandoCalcular(TextosProblema& problema, TextosCelda& celdas, const Avisar& avisar);

// "Cálculo manual" (CalculoManual1Click): the check of the gross requirements, then
// CalcularManual.
bool ComandoCalculoManual(const TextosProblema& problema, TextosCelda& celdas,
                          const Avisar& avisar);

// Plans with the selected method, prices the plan and writes it into the cells; after
// "Mejor de las anteriores" problema.Metodo becomes the method chosen. A horizon outside 1 to
// MaxPeriodos or a negative lead time is refused with a warning. Returns true when the grid was
// rewritten.
bool CalcularSeleccionada(TextosProblema& problema, TextosCelda& celdas, const Avisar& avisar);

// Projects and prices the releases typed in the PPL row; the method is not used.
bool CalcularManual(const TextosProblema& problema, TextosCelda& celdas, const Avisar& avisar);

// The cells of a new problem: the row labels and the period numbers 1 to N of the grid that
// Inicializar leaves, everything else empty.
TextosCelda CeldasIniciales(int nPeriodos);
