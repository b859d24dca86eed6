// The best of the methods (code 6): every method the method table marks as compared, solved and
// priced from the same input, the cheapest plan left in the table.
#pragma once

#include "ObservadorLotificacion.h"
#include "RegistroMRP.h"

#include <cstdint>

// Writes its choice into MetodoElegido as it goes, so after a failure it holds the cheapest of the
// methods priced until then; on equal totals the lowest code keeps the choice. Obs hears every
// total compared (ObservadorLotificacion.h), not the decisions of the methods that made them;
// instantiated with ObservadorNulo and ObservadorRegistro.
template <class Observador>
void MejorMetodo(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                 bool Redondear, TTablaMRP& Tabla, std::int32_t& MetodoElegido, Observador Obs);
inline void MejorMetodo(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                        bool Redondear, TTablaMRP& Tabla, std::int32_t& MetodoElegido) {
    MejorMetodo<ObservadorNulo>(NPeriodos, TS, SS, CE, CP, Redondear, Tabla, MetodoElegido, {});
}
