// The explanation of a calculation as the panel, quelmar-cli and the report show it: blocks of a
// heading, paragraphs, a table and notes, in Spanish, numbers in the grid's format. Written once
// from the records of ExplicacionCalculo.
#pragma once

#include "ResultadoCalculo.h"

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

std::vector<BloqueExplicacion> TextosExplicacion(const ResultadoCalculo& calculo);

// The blocks as lines of text, as the clipboard and quelmar-cli take them: each heading and
// paragraph a line, each table row a line of cells separated by TAB, an empty line between blocks.
QStringList LineasTabuladas(const std::vector<BloqueExplicacion>& bloques);
