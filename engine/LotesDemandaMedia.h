// EOQ and POQ: the lots derived from the mean demand of the horizon.
#pragma once

#include "RegistroMRP.h"

#include <cstdint>

class PasadasComunes;

// Both take Pasadas as LoteALote does: m and Q, and POQ's lot-for-lot pass, made by another
// method on the same input are not made again.

// EOQ (code 1): a lot of at least Q = sqrt(2 CE m / CP) in every period with a net requirement,
// Q rounded to a whole number when Redondear. Expects NN, RPPL and PPL zero on entry.
void LoteEOQ(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
             bool Redondear, TTablaMRP& Tabla, PasadasComunes* Pasadas = nullptr);

// POQ (code 2): the lot-for-lot releases gathered in windows of round(Q / m) periods. Expects
// NN, RPPL and PPL zero on entry.
void LotePOQ(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
             TTablaMRP& Tabla, PasadasComunes* Pasadas = nullptr);
