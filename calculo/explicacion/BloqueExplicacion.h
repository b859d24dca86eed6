// A block of an explanation as the panel, quelmar-cli and the report show it: a heading,
// paragraphs, a table and notes, in Spanish, numbers in the grid's format.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct BloqueExplicacion {
    QString Titulo;       // may be empty
    QStringList Parrafos; // before the table
    QStringList Cabecera; // the table's heading; no table when empty
    std::vector<QStringList> Filas;
    std::vector<bool> Destacadas; // as many as Filas: the chosen candidate, method or lot start
    QStringList Notas;            // after the table
    std::vector<bool> DeTexto;    // as many as Cabecera: words align left, figures right
};

using Bloques = std::vector<BloqueExplicacion>;
