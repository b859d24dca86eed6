// One item of a project in the planning grid: its record from the last explosion in rows 1 to 9,
// as the main window shows a calculation, under its inputs as the project holds them now (the
// initial stock and the scheduled receipts in their cells, the independent demand in a row of its
// own); and back, the inputs typed into the grid read as numbers.
#pragma once

#include "Proyecto.h"
#include "ResultadoCalculo.h"
#include "TextosCelda.h"
#include "TextosProblema.h"

#include <QString>

#include <variant>

inline constexpr int FilaDI = FilaCTotal + 1;
inline constexpr int FilasRejillaArticulo = FilaDI + 1; // the fixed row included
inline const QString EtiquetaDI = QStringLiteral("DI");

// D of period 1, and RP and DI of periods 1 to N: the cells the user types; the rest is worked
// out.
bool CeldaDeEntrada(int columna, int fila, std::int32_t N);

// The labels, the periods 1 to N, the item's calculated record when there is one, and its inputs.
TextosCelda CeldasArticulo(const Proyecto& proyecto, int indice, const ResultadoCalculo* calculo);

// The item with the inputs that the cells hold, an empty cell standing for 0; or, for the first
// text that does not read as a number, why: "RP, período 3: «12a» no es un número."
std::variant<ArticuloProyecto, QString>
EntradasDeRejilla(const ArticuloProyecto& articulo, const TextosCelda& celdas, std::int32_t N);
