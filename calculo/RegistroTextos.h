// The MRP record as the planning grid writes it, wherever it is shown or written: its nine rows in
// order with their labels, and the text of each entry; rounded for reading where a view asks.
#pragma once

#include "CifrasLegibles.h"

#include "LotificaUnit.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// NB, D, RP, NN, RPPL, PPL, then the cost rows Ce, Cp, CTotal.
inline constexpr int FilasRegistro = 9;
inline constexpr int FilasRegistroSinCostes = 6;

const std::array<QString, FilasRegistro>& EtiquetasRegistro();

// What each row holds, as a key under a printed record explains it: "NB: necesidades brutas".
const std::array<QString, FilasRegistro>& SignificadosRegistro();

// An entry as the grid shows it: exactly 0 is an empty text, anything else in the general format;
// with decimales, the entry rounded for reading (CifraLegible), so that a residue reads 0.
QString TextoEntrada(double valor, int decimales = DecimalesExactos);

// The nine rows of a plan and its costs, in the grid's order.
std::array<const TFilaMRP*, FilasRegistro> FilasDelRegistro(const TTablaMRP& tabla,
                                                            const TCostesMRP& costes);

// The texts of entries 1 to N + 1 of a row.
QStringList TextosFila(const TFilaMRP& fila, std::int32_t N, int decimales = DecimalesExactos);

// The first `filas` rows, each its label then the texts of entries 1 to N + 1.
std::vector<QStringList> FilasConEtiqueta(const TTablaMRP& tabla, const TCostesMRP& costes,
                                          std::int32_t N, int filas,
                                          int decimales = DecimalesExactos);
