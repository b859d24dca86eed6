// EOQ and POQ: the lots derived from the mean demand of the horizon.
#pragma once

#include "ObservadorLotificacion.h"
#include "RegistroMRP.h"

#include <cstdint>

class PasadasComunes;

// Both take Pasadas as LoteALote does: m and Q, and POQ's lot-for-lot pass, made by another
// method on the same input are not made again. Both report to Obs (ObservadorLotificacion.h) and
// are instantiated with ObservadorNulo and ObservadorRegistro.

// EOQ (code 1): a lot of at least Q = sqrt(2 CE m / CP) in every period with a net requirement,
// Q rounded to a whole number when Redondear. Expects NN, RPPL and PPL zero on entry.
template <class Observador>
void LoteEOQ(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
             bool Redondear, TTablaMRP& Tabla, PasadasComunes* Pasadas, Observador Obs);
inline void LoteEOQ(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                    bool Redondear, TTablaMRP& Tabla, PasadasComunes* Pasadas = nullptr) {
    LoteEOQ<ObservadorNulo>(NPeriodos, TS, SS, CE, CP, Redondear, Tabla, Pasadas, {});
}

// POQ (code 2): the lot-for-lot releases gathered in windows of round(Q / m) periods. Expects
// NN, RPPL and PPL zero on entry.
template <class Observador>
void LotePOQ(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
             TTablaMRP& Tabla, PasadasComunes* Pasadas, Observador Obs);
inline void LotePOQ(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                    TTablaMRP& Tabla, PasadasComunes* Pasadas = nullptr) {
    LotePOQ<ObservadorNulo>(NPeriodos, TS, SS, CE, CP, Tabla, Pasadas, {});
}
