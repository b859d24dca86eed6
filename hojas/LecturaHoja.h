// The first sheet of a spreadsheet file as the cells it holds: an .xlsx workbook, known by its
// content, or CSV in the user's locale (Csv.h).
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

struct CeldaLeida {
    QString texto;                // as written in the file; a number's shortest exact digits
    std::optional<double> numero; // a numeric cell of a workbook; never for CSV
    bool operator==(const CeldaLeida&) const = default;
};

// Rows from the sheet's first, each from its column A; cells not in the file are absent or empty.
using TablaLeida = std::vector<std::vector<CeldaLeida>>;

struct HojaLeida {
    TablaLeida celdas;
    QString
        fallo; // why the file could not be read as a sheet, as the user reads it; empty when read
};

HojaLeida LeerPrimeraHoja(const QByteArray& bytes);

// CSV: UTF-8 (a byte-order mark is skipped) or, when the bytes are not UTF-8, Windows-1252.
// Lines end at CR LF, LF or CR; a quoted field may hold the separator, quotes ("") and line ends.
TablaLeida LeerCsv(const QByteArray& bytes);

// The first sheet of an .xlsx workbook; nothing when the bytes are not one that can be read.
std::optional<TablaLeida> LeerXlsx(const QByteArray& bytes);

// "A", "B", ... "Z", "AA": the name of column c (from 0) in a spreadsheet.
QString NombreColumna(int columna);
