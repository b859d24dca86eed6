// Comma-separated values as the user's locale writes them: in Spanish ";" between fields and the
// decimal comma, in English "," and the point; UTF-8 with a byte-order mark, so that common
// spreadsheets open it in the right encoding.
#pragma once

#include "LibroHojas.h"

#include <QByteArray>
#include <QChar>

// ";" where the decimal separator is a comma, "," elsewhere.
QChar SeparadorCsv();

// The sheet as CSV, one line per row ended by CR LF. A number is written exactly (FormatoExacto):
// read back, it is the same double. A field with the separator, a quote or a line end is quoted.
QByteArray HojaCsv(const Hoja& hoja);
