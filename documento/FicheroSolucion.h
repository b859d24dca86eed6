// The .sol solution file: the grid as a TAB-separated table in Windows-1252 with CR LF ends.
#pragma once

#include "ResultadoCalculo.h"
#include "TextosCelda.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// The bytes of the solution: a header line and the grid rows 1 to 6, or 1 to 9 with the cost
// rows shown. Throws EConvertError when the number of periods is not an integer.
QByteArray TextoSolucion(const QString& textoNPeriodos, bool verCostes, const TextosCelda& celdas);

// The bytes of a result as the window's grid shows it just after its calculation.
QByteArray TextoSolucion(const ResultadoCalculo& resultado, bool verCostes);

// The last grid column a row's line holds: N + 1 for RP and CTotal, where the total cost is; N for
// every other row.
std::int64_t UltimaColumnaSolucion(int fila, std::int32_t n);

// The solution's name derived from the problem file: the extension replaced by "sol".
QString NombreSolucion(const QString& ficheroProblema);
