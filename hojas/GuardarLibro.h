// Saving a workbook as the user asked for it: the whole workbook as .xlsx, or its first sheet as
// CSV; atomically, so that a failure keeps the file that was there.
#pragma once

#include "LibroHojas.h"

#include <QString>

enum class FormatoHoja { Xlsx, Csv };

// The save dialogs' filters, the workbook first.
inline const QString FiltroLibroExcel = QStringLiteral("Libro de Excel (*.xlsx)");
inline const QString FiltroCsv = QStringLiteral("Valores separados por comas (*.csv)");
inline const QString FiltrosHojaCalculo = FiltroLibroExcel + QStringLiteral(";;") + FiltroCsv;

// CSV for a name ending in ".csv" (in any case); a workbook otherwise.
FormatoHoja FormatoDeRuta(const QString& ruta);

// Throws EInOutError.
void GuardarLibro(const QString& ruta, const Libro& libro, FormatoHoja formato);
