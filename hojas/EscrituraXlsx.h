// A workbook as the bytes of an .xlsx file, written by libxlsxwriter; no other file includes it.
#pragma once

#include "LibroHojas.h"

#include <QByteArray>
#include <QStringList>

// The file's bytes. Numbers are numeric cells, texts are text cells; a number keeps the 16
// significant digits that the library writes, which give back the very double unless it needs
// all 17 (0.1 + 0.2 comes back as 0.3). Every sheet gets the widths that fit it and its fixed rows
// and columns. Throws EInOutError when the temporary file it is written through fails.
QByteArray LibroXlsx(const Libro& libro);

// The names the sheets are written with: at most 31 characters, none of []:*?/\, no quote at
// either end, none empty and no two alike (a number is added to a repeated one).
QStringList NombresDeHojas(const Libro& libro);
