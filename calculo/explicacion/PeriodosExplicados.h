// Lot-for-lot and EOQ decide period by period: the periods they net, kept as heard, and the table
// both explanations make of them.
#pragma once

#include "BloqueExplicacion.h"
#include "Redaccion.h"
#include "RegistroMRP.h"

#include <functional>
#include <vector>

using PeriodoExplicado = SucesoPeriodo;

// The periods with a net requirement as rows of the block's table, with the backlog of those
// within the lead time in its notes, quantities written by N; regla, when given, says how each lot
// was sized.
void PeriodosConNecesidad(const redaccion::Cifras& N, const std::vector<PeriodoExplicado>& periodos,
                          BloqueExplicacion& bloque,
                          const std::function<QString(const PeriodoExplicado&)>& regla);
