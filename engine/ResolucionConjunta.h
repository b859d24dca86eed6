// One problem solved by several methods in turn, each from the same input and priced as
// CalcularCostes prices it. The passes that methods begin with identically are made once and
// copied, which is exact: each is a function of the input alone. The best-of choice and the
// experiments solve this way.
#pragma once

#include "MetodosLotificacion.h"
#include "PasadasComunes.h"
#include "RegistroMRP.h"

#include <cstdint>

class ResolucionConjunta {
public:
    // Tabla holds the input (the contract of Lotificar) and is the table every plan is made in.
    ResolucionConjunta(const TParametrosMRP& P, TTablaMRP& Tabla);
    ResolucionConjunta(const ResolucionConjunta&) = delete;
    ResolucionConjunta& operator=(const ResolucionConjunta&) = delete;

    // Solves the input as Lotificar(codigo) would, with MetodoElegido 0, and returns the plan's
    // total cost, CTotal[N + 1] of CalcularCostes; the table is left holding the plan. Throws the
    // engine's errors, leaving the table as the failing method left it. Outside the engine's
    // contract nothing is written and the cost is 0.
    double Resolver(TipoLotificacion codigo);

    // Puts the input back.
    void Reponer();

private:
    TParametrosMRP P_;
    bool valida_;
    TTablaMRP& Tabla_;
    PasadasComunes pasadas_;
};
