// The marks the main window lays over the planning grid (layers in CapasMarcas.h): the periods a
// plan runs short in, in red with why in the tool tip, and the results that belong to data the
// user has changed since, greyed. Marks only: no text of the grid changes.
#pragma once

#include "MarcaCelda.h"
#include "ResultadoCalculo.h"
#include "RoturasCalculo.h"

#include <QColor>

#include <vector>

// The red of a shortage, in the grid and in the comparison.
inline const QColor ColorRotura(190, 0, 0);

// Each short period's negative stock, in the D cell of the period after it, and its negative
// holding cost, in its Cp cell.
MarcasCeldas MarcasRoturas(const std::vector<RoturaPeriodo>& roturas);

// The rows the calculation wrote (D after period 1, NN, RPPL, the releases unless typed by hand,
// and the cost rows), columns 1 to N + 1.
MarcasCeldas MarcasDesactualizadas(const ResultadoCalculo& calculo);
