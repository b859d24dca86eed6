// The shortages of a calculated plan as the views tell them: which periods run short, by how much,
// and whether a plan could have avoided them (MasBarato.h holds the rule). The grid's marks, the
// status bar, the comparison and the report all take them from here.
#pragma once

#include "ResultadoCalculo.h"

#include <QString>

#include <vector>

struct RoturaPeriodo {
    int Periodo = 0;
    double Falta = 0;        // how far below zero the period leaves the stock, D[p + 1]
    bool Inevitable = false; // within the lead time: no planned receipt can reach it
};

// The periods of the plan that run short, in period order.
std::vector<RoturaPeriodo> PeriodosConRotura(const TParametrosMRP& P, const TTablaMRP& Tabla);
std::vector<RoturaPeriodo> RoturasDelCalculo(const ResultadoCalculo& calculo);

// Periods as a short list: runs of consecutive periods as a span, "3, 5–8, 12".
QString ListaPeriodos(const std::vector<int>& periodos);

// What the status bar adds after a calculation whose plan runs short: the periods, and that their
// negative holding cost is no saving; empty when none does.
QString MensajeRoturas(const std::vector<RoturaPeriodo>& roturas);

// The note of the grid's marks on a short period's cells.
QString NotaRotura(const RoturaPeriodo& rotura);
