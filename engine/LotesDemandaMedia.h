// EOQ and POQ: the lots derived from the mean demand of the horizon.
#pragma once

#include "ObservadorLotificacion.h"
#include "RegistroMRP.h"

class PasadasComunes;

// Both take Pasadas as LoteALote does: m and Q, and POQ's lot-for-lot pass, made by another
// method on the same input are not made again. Both are instantiated with ObservadorNulo and
// ObservadorRegistro.

// EOQ and POQ begin with the mean demand and the economic lot before any rounding.
struct SucesoDemandaMedia {
    double Media;
    double Q;
};
// EOQ: the lot it orders (Q rounded when asked), before its periods (SucesoPeriodo).
struct SucesoLoteEconomico {
    double Q;
};
// POQ: Q / m, its rounding and the interval used (at least 1, at most N).
struct SucesoIntervalo {
    double Cociente;
    double Redondeado;
    int P;
};
// POQ: the first lot-for-lot release, 0 when there is none; then every window.
struct SucesoPrimeraEmision {
    int Periodo;
};
// POQ: a lot-for-lot release a window gathers, zeros included, before its window.
struct SucesoEmisionAgrupada {
    int Periodo;
    double Cantidad;
};
// POQ: a window as the user counts it (P periods, or to N) and the release it makes.
struct SucesoVentana {
    int Desde;
    int Hasta;
    double Total;
};

// EOQ (code 1): a lot of at least Q = sqrt(2 CE m / CP) in every period with a net requirement,
// Q rounded to a whole number when P.Redondear. Expects NN, RPPL and PPL zero on entry. Reports
// SucesoDemandaMedia, SucesoLoteEconomico, then SucesoPeriodo for every period.
template <class Observador>
void LoteEOQ(const TParametrosMRP& P, TTablaMRP& Tabla, PasadasComunes* Pasadas, Observador Obs);
inline void LoteEOQ(const TParametrosMRP& P, TTablaMRP& Tabla, PasadasComunes* Pasadas = nullptr) {
    LoteEOQ<ObservadorNulo>(P, Tabla, Pasadas, {});
}

// POQ (code 2): the lot-for-lot releases gathered in windows of round(Q / m) periods. Expects
// NN, RPPL and PPL zero on entry. Reports SucesoDemandaMedia, SucesoIntervalo,
// SucesoPrimeraEmision, then each window's releases and the window.
template <class Observador>
void LotePOQ(const TParametrosMRP& P, TTablaMRP& Tabla, PasadasComunes* Pasadas, Observador Obs);
inline void LotePOQ(const TParametrosMRP& P, TTablaMRP& Tabla, PasadasComunes* Pasadas = nullptr) {
    LotePOQ<ObservadorNulo>(P, Tabla, Pasadas, {});
}
