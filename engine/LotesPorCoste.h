// Least total cost, least unit cost and Silver-Meal: one lot at a time, each stretched over the
// run of periods its cost criterion prefers. Each expects NN, RPPL and PPL zero on entry.
#pragma once

#include "ObservadorLotificacion.h"
#include "RegistroMRP.h"

#include <cstdint>

class PasadasComunes;

// A candidate end of a lot against the best value met so far for that lot.
enum class Candidatura : std::uint8_t {
    Mejor,  // strictly below the best: the new best
    Empate, // equal to the best: the earlier candidate stays chosen and the search goes on
    Peor,   // above the best, and the search goes on (Silver-Meal never stops)
    Parada, // above the best: the search stops and this candidate is not taken
};

// How the method's search for a lot's end ends, told before any lot: at the first candidate
// above the best (least total and least unit cost), or at the end of the horizon (Silver-Meal).
struct SucesoBusqueda {
    bool ParaAlSubir;
};
// Lot by lot: the period k the lot is received in, every candidate end j evaluated (r what
// period j adds, H the lot's holding cost, v the criterion's value), then the chosen end bj, the
// lot's quantity and its release period (0 when k lies within the lead time and the lot cannot
// be released).
struct SucesoLote {
    int k;
};
struct SucesoCandidato {
    int j;
    double r;
    double H;
    double v;
    Candidatura Estado;
};
struct SucesoLoteElegido {
    int bj;
    double Cantidad;
    int Emision;
};

// Each takes Pasadas as LoteALote does: the first re-projection, which the three share with the
// optimum, is made once when they run one after another on the same input. Each is instantiated
// with ObservadorNulo and ObservadorRegistro.

// Code 3: the lot whose holding cost comes closest to the ordering cost.
template <class Observador>
void MinimoCosteTotal(const TParametrosMRP& P, TTablaMRP& Tabla, PasadasComunes* Pasadas,
                      Observador Obs);
inline void MinimoCosteTotal(const TParametrosMRP& P, TTablaMRP& Tabla,
                             PasadasComunes* Pasadas = nullptr) {
    MinimoCosteTotal<ObservadorNulo>(P, Tabla, Pasadas, {});
}

// Code 4: the lot of least ordering plus holding cost per unit.
template <class Observador>
void MinimoCosteUnitario(const TParametrosMRP& P, TTablaMRP& Tabla, PasadasComunes* Pasadas,
                         Observador Obs);
inline void MinimoCosteUnitario(const TParametrosMRP& P, TTablaMRP& Tabla,
                                PasadasComunes* Pasadas = nullptr) {
    MinimoCosteUnitario<ObservadorNulo>(P, Tabla, Pasadas, {});
}

// Code 5: the lot of least ordering plus holding cost per period covered.
template <class Observador>
void SilverMeal(const TParametrosMRP& P, TTablaMRP& Tabla, PasadasComunes* Pasadas, Observador Obs);
inline void SilverMeal(const TParametrosMRP& P, TTablaMRP& Tabla,
                       PasadasComunes* Pasadas = nullptr) {
    SilverMeal<ObservadorNulo>(P, Tabla, Pasadas, {});
}
