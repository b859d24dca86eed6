// Least total cost, least unit cost and Silver-Meal: one lot at a time, each stretched over the
// run of periods its cost criterion prefers. Each expects NN, RPPL and PPL zero on entry.
#pragma once

#include "ObservadorLotificacion.h"
#include "RegistroMRP.h"

#include <cstdint>

class PasadasComunes;

// Each takes Pasadas as LoteALote does: the first re-projection, which the three share with the
// optimum, is made once when they run one after another on the same input. Each tells Obs of
// every lot, its candidates and its choice (ObservadorLotificacion.h), and is instantiated with
// ObservadorNulo and ObservadorRegistro.

// Code 3: the lot whose holding cost comes closest to the ordering cost.
template <class Observador>
void MinimoCosteTotal(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                      TTablaMRP& Tabla, PasadasComunes* Pasadas, Observador Obs);
inline void MinimoCosteTotal(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE,
                             double CP, TTablaMRP& Tabla, PasadasComunes* Pasadas = nullptr) {
    MinimoCosteTotal<ObservadorNulo>(NPeriodos, TS, SS, CE, CP, Tabla, Pasadas, {});
}

// Code 4: the lot of least ordering plus holding cost per unit.
template <class Observador>
void MinimoCosteUnitario(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                         TTablaMRP& Tabla, PasadasComunes* Pasadas, Observador Obs);
inline void MinimoCosteUnitario(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE,
                                double CP, TTablaMRP& Tabla, PasadasComunes* Pasadas = nullptr) {
    MinimoCosteUnitario<ObservadorNulo>(NPeriodos, TS, SS, CE, CP, Tabla, Pasadas, {});
}

// Code 5: the lot of least ordering plus holding cost per period covered.
template <class Observador>
void SilverMeal(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                TTablaMRP& Tabla, PasadasComunes* Pasadas, Observador Obs);
inline void SilverMeal(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                       TTablaMRP& Tabla, PasadasComunes* Pasadas = nullptr) {
    SilverMeal<ObservadorNulo>(NPeriodos, TS, SS, CE, CP, Tabla, Pasadas, {});
}
