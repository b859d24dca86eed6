// The workbooks of a problem: the sheets of a calculation filled from its numbers (the MRP record,
// the data, the methods side by side, the explanation), and the problem as typed before any.
#pragma once

#include "LibroHojas.h"
#include "ResultadoCalculo.h"
#include "TextosCelda.h"
#include "TextosProblema.h"

#include <optional>

inline const QString NombreHojaRegistro = QStringLiteral("Registro MRP");
inline const QString NombreHojaDatos = QStringLiteral("Datos");
inline const QString NombreHojaComparacion = QStringLiteral("Comparación");
inline const QString NombreHojaExplicacion = QStringLiteral("Explicación");

// The record as the grid lays it out: the row names in the first column, the periods 1 to N, and
// after them the final stock in row D and the total cost in row CTotal. Every entry a number.
Hoja HojaRegistro(const ResultadoCalculo& calculo);
// The parameters, the method and the plan's totals, a name and a value a row.
Hoja HojaDatos(const ResultadoCalculo& calculo);
// Every method and the optimum, the cheapest in bold; or why they were not compared.
Hoja HojaComparacion(const ResultadoCalculo& calculo);
// The explanation's blocks one under another; its figures as numbers, as the explanation writes
// them.
Hoja HojaExplicacion(const ResultadoCalculo& calculo);

// The record, the data, the comparison and the explanation. With datosCambiados the data sheet
// says that the window's problem has changed since.
Libro LibroCalculo(const ResultadoCalculo& calculo, bool datosCambiados = false);
// The comparison, then the data.
Libro LibroComparacion(const ResultadoCalculo& calculo);

// The main window's workbook: its last calculation or, before any, the problem as typed (the
// fields, and the grid's NB and RP rows with the initial stock when N gives a horizon).
Libro LibroVentana(const TextosProblema& problema, const TextosCelda& celdas,
                   const std::optional<ResultadoCalculo>& calculo);
