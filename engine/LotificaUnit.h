// The lot-sizing engine: the MRP record of one item, its netting and projection, the lot-sizing
// methods, the best of them and the pricing of a plan. Plain C++, no state. Callers include this
// header alone.
#pragma once

#include "CostesComparables.h"
#include "ErroresCalculo.h"
#include "Horizonte.h"
#include "LotesDemandaMedia.h"
#include "LotesPorCoste.h"
#include "MasBarato.h"
#include "MejorMetodo.h"
#include "MetodosLotificacion.h"
#include "ObservadorLotificacion.h"
#include "ParametrosMRP.h"
#include "PlanOptimo.h"
#include "RegistroMRP.h"
#include "ResolucionConjunta.h"

#include <cstdint>

// Contract of every entry point: P.N calculable (Horizonte.h) and a valid lead time, of any size
// (one beyond the horizon plans nothing). Callers refuse other input before they call; given it
// anyway, every entry point returns at once and writes nothing at all. Within the contract nothing
// outside entries 1 to N + 1 is ever written, RPPL[1..TS] and PPL[N-TS+1..N] keep the caller's
// values, and nothing allocates. Inputs must be finite; arithmetic failures throw the errors of
// ErroresCalculo.h, leaving the records as far as the work got, and no stored result is ever an
// infinity or a NaN.

// Plans Tabla with the routine of code Metodo in the method table. Code 6 writes the code of the
// winning method into MetodoElegido; the other codes leave it alone; a code that names no method
// changes nothing.
void Lotificar(TipoLotificacion Metodo, const TParametrosMRP& P, TTablaMRP& Tabla,
               std::int32_t& MetodoElegido);

// As Lotificar, telling Observador every decision the method takes (ObservadorLotificacion.h). The
// method runs alone, sharing no pass with another, so the observer hears all of it.
void Lotificar(TipoLotificacion Metodo, const TParametrosMRP& P, TTablaMRP& Tabla,
               std::int32_t& MetodoElegido, ObservadorLotificacion& Observador);
