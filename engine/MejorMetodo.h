// The best of the methods (code 6): every method the method table marks as compared, solved and
// priced from the same input, the cheapest plan left in the table.
#pragma once

#include "ObservadorLotificacion.h"
#include "RegistroMRP.h"

#include <cstdint>

// A compared method's total, in code order, and whether it became the choice.
struct SucesoTotalComparado {
    std::int32_t Metodo;
    double Total;
    bool Elegido;
};

// Writes its choice into MetodoElegido as it goes, so after a failure it holds the cheapest of the
// methods priced until then; on equal totals the lowest code keeps the choice. Obs hears every
// total compared, not the decisions of the methods that made them; instantiated with
// ObservadorNulo and ObservadorRegistro.
template <class Observador>
void MejorMetodo(const TParametrosMRP& P, TTablaMRP& Tabla, std::int32_t& MetodoElegido,
                 Observador Obs);
inline void MejorMetodo(const TParametrosMRP& P, TTablaMRP& Tabla, std::int32_t& MetodoElegido) {
    MejorMetodo<ObservadorNulo>(P, Tabla, MetodoElegido, {});
}
