// The optimal plan (code 7): the plan of least total cost among those that cover the problem the
// way the lot-by-lot methods do, found by dynamic programming over where the lots start.
#pragma once

#include "ObservadorLotificacion.h"
#include "RegistroMRP.h"

#include <cstdint>

class PasadasComunes;

// The least cost of ordering and holding the lots from a start to the end of the horizon, and the
// last period of the first of them.
struct SucesoCosteDesde {
    int Periodo;
    double Coste;
    int Fin;
};
// A way on from a start: the lot received at Inicio covers up to Fin, and the cheapest way on from
// the next start follows; its cost on the same footing as SucesoCosteDesde's. The cells of the
// triangular table of the method, one per lot the search from a start weighs.
struct SucesoCandidatoOptimo {
    int Inicio;
    int Fin;
    double Coste;
};
// A lot of the plan: its receipt, its release, the last period it covers and its quantity.
struct SucesoLoteOptimo {
    int Recepcion;
    int Emision;
    int Fin;
    double Cantidad;
};

// After the first re-projection (no orders), c(p) is the largest net requirement of periods
// TS + 1 to p. The plans considered receive lots only after the lead time, each in the first
// period whose requirement it covers, and bring their receipts by the end of each lot's run to
// exactly c of its last period, so that by the end of every period p > TS they reach c(p). Of
// those the one of least total cost as CalcularCostes prices it is chosen; among plans of equal
// cost, the one whose first lot covers fewer periods, then the second, and so on. Costs are
// compared as exact sums (exactly so with whole quantities), so a plan of equal cost may have a
// total that differs in its last bits (TotalesIguales). Lots are sized as the lot-by-lot methods
// size them, so a plan one of them also finds is the same table to the bit. O(N^2), less with
// costs of 0 or more; expects NN, RPPL and PPL zero on entry. Throws EOverflow when the costs
// of the plans could leave the range of a double.
// With Pasadas, the first re-projection, which codes 3 to 5 begin with too, is made once when they
// run one after another on the same input (PasadasComunes.h). Obs hears, for every period a lot can
// start in, from the last one back, a SucesoCandidatoOptimo for each lot the search weighs from it
// (in order of growing lots, up to where the search ends) and then its SucesoCosteDesde; then
// SucesoLoteOptimo for each lot of the plan, in period order. Instantiated with ObservadorNulo and
// ObservadorRegistro.
template <class Observador>
void PlanOptimo(const TParametrosMRP& P, TTablaMRP& Tabla, PasadasComunes* Pasadas, Observador Obs);
inline void PlanOptimo(const TParametrosMRP& P, TTablaMRP& Tabla,
                       PasadasComunes* Pasadas = nullptr) {
    PlanOptimo<ObservadorNulo>(P, Tabla, Pasadas, {});
}
