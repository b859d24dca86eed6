// The charts of a calculation: its plan period by period, and the cost of every plan of its
// comparison.
#pragma once

#include "CifrasLegibles.h"
#include "DatosGrafico.h"
#include "ResultadoCalculo.h"

// Per period the gross requirements and the planned receipts as bars (the scheduled receipts too
// when there are any), the stock left at the end of the period as a line, below zero where the
// requirements were not covered, and the safety stock as a reference; titled with how the plan
// was made and its total cost, rounded to `decimales`.
DatosGrafico GraficoPlan(const ResultadoCalculo& calculo, int decimales = DecimalesLegibles);

// Every plan of the comparison as its ordering and holding cost stacked into its total, under the
// short names of the methods; the cheapest marked with a star that the title explains. A plan that
// failed has no bar and says so; one that runs short after the lead time says so too.
DatosGrafico GraficoComparacion(const ComparacionMetodos& comparacion);
