// Numbers for people to read: the one way the views meant for reading (the report, the
// explanation, the comparison, the charts, printed sheets) write a quantity. The grid and the
// files keep the exact general format (FloatToStr); these texts are never read back.
#pragma once

#include <QString>

// Decimals shown unless the reader chooses others, and the range a reader may choose from.
inline constexpr int DecimalesLegibles = 2;
inline constexpr int MinimoDecimalesLegibles = 0;
inline constexpr int MaximoDecimalesLegibles = 6;
// Asks CifraLegible for the exact form the grid writes (a copy for a spreadsheet, a tool tip).
inline constexpr int DecimalesExactos = -1;

// The value rounded to `decimales` decimals (clamped to 0 to 6), trailing zeros of the fraction
// dropped and a rounded zero never negative, in the locale's separator and without grouping: so
// the residues of sums, 2,8421709430404E-14 and 7,00000000000002, read 0 and 7, and 120,4159 reads
// 120,42. Never scientific notation below 10^15 in magnitude (the general format from there on).
// With DecimalesExactos, FloatToStr's text. Does not throw.
QString CifraLegible(double valor, int decimales = DecimalesLegibles);

// Whether CifraLegible leaves out part of the value, so that a view shows the exact value in a
// tool tip.
bool CifraRedondeada(double valor, int decimales = DecimalesLegibles);
