// Chart data drawn with Qt Charts: one routine builds the chart that the panels show and that the
// report paints on paper.
#pragma once

#include "DatosGrafico.h"

class QChart;
class QPainter;
class QRectF;

// The chart of the data: bars, lines and reference lines over one axis of categories and one of
// values that always shows 0. Series keep apart in black and white (fill patterns, markers, dashes,
// not colour alone); numbers follow the user's locale. The caller owns the chart.
QChart* CrearGrafico(const DatosGrafico& datos);

// The chart laid out at the size the rectangle has on a screen and scaled into it, so that its
// texts keep their size on any device: a page, a PDF, an image.
void PintarGrafico(QPainter& pintor, const QRectF& destino, const DatosGrafico& datos);
