// Least total cost, least unit cost and Silver-Meal: one lot at a time, each stretched over the
// run of periods its cost criterion prefers. Each expects NN, RPPL and PPL zero on entry.
#pragma once

#include "RegistroMRP.h"

#include <cstdint>

class PasadasComunes;

// Each takes Pasadas as LoteALote does: the first re-projection, which the three share with the
// optimum, is made once when they run one after another on the same input.

// Code 3: the lot whose holding cost comes closest to the ordering cost.
void MinimoCosteTotal(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                      TTablaMRP& Tabla, PasadasComunes* Pasadas = nullptr);
// Code 4: the lot of least ordering plus holding cost per unit.
void MinimoCosteUnitario(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                         TTablaMRP& Tabla, PasadasComunes* Pasadas = nullptr);
// Code 5: the lot of least ordering plus holding cost per period covered.
void SilverMeal(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                TTablaMRP& Tabla, PasadasComunes* Pasadas = nullptr);
