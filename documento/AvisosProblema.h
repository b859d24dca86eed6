// The warnings that refuse a problem before anything changes, and the check of the horizon the
// planning grid can hold, shared by the calculations, the problem files and the command-line tool.
#pragma once

#include "CostesComparables.h"

#include <QString>

#include <cstdint>
#include <functional>

// Shows one warning to the user; the command goes on with its checks or gives up, as it says.
using Avisar = std::function<void(const QString&)>;

inline const QString AvisoCostes =
    QStringLiteral("Especifique valores distintos de 0 para los costes de emisión y posesión");
// The optimum, asked for with a negative cost (CostesComparables).
inline const QString AvisoCostesNoComparables = QString::fromUtf8(TextoCostesNoComparables);
inline const QString AvisoNecesidadBruta =
    QStringLiteral("Especifique algún valor de necesidad bruta para resolver.");
inline const QString AvisoPeriodos =
    QStringLiteral("Especifique un número de períodos entre 1 y 99.");
inline const QString AvisoTiempoSuministro =
    QStringLiteral("Especifique un tiempo de suministro mayor o igual que 0.");
// The tool tip of a number of periods the grid cannot show.
inline const QString PistaPeriodosDeRejilla = QStringLiteral("Entre 0 y 99 períodos");

// A text of the number of periods that the grid cannot follow: an integer outside the grid's
// horizon, or no integer at all. An empty text is the user typing and is not.
bool PeriodosFueraDeRejilla(const QString& textoNPeriodos);
// True when the grid can show N periods; otherwise shows AvisoPeriodos.
bool AdmitirPeriodosDeRejilla(std::int32_t n, const Avisar& avisar);
// True when N periods can be calculated; otherwise shows AvisoPeriodos.
bool AdmitirPeriodosCalculables(std::int32_t n, const Avisar& avisar);
// True for a lead time of 0 or more; otherwise shows AvisoTiempoSuministro.
bool AdmitirTiempoSuministro(std::int32_t ts, const Avisar& avisar);
