// A block of an explanation as the panel, quelmar-cli and the report show it: a heading,
// paragraphs, a table and notes, in Spanish, numbers rounded for reading unless asked exactly.
#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <utility>
#include <vector>

// Rows Desde to Hasta - 1 of a table that a short form (the report's) leaves out, summed up in one
// line in their place, "… 45 candidatos más, ninguno mejor (j = 55 a 99)", or without a line when
// Resumen is empty (the block's notes then say what is left out).
struct FilasOmitibles {
    std::size_t Desde = 0;
    std::size_t Hasta = 0;
    QString Resumen;
};

struct BloqueExplicacion {
    QString Titulo;       // may be empty
    QStringList Parrafos; // before the table
    QStringList Cabecera; // the table's heading; no table when empty
    std::vector<QStringList> Filas;
    std::vector<bool> Destacadas; // as many as Filas: the chosen candidate, method or lot start
    QStringList Notas;            // after the table
    std::vector<bool> DeTexto;    // as many as Cabecera: words align left, figures right
    // Single cells highlighted, (row, column): the path through a table of choices.
    std::vector<std::pair<std::size_t, std::size_t>> CeldasDestacadas{};
    // Runs of rows the report leaves out, in row order; the panel and the copy show every row.
    std::vector<FilasOmitibles> Omitibles{};
};

using Bloques = std::vector<BloqueExplicacion>;
