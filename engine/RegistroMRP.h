// The MRP record of one item and its cost rows, and the operations of the record itself: netting
// one period, re-projecting from the releases, the lot-for-lot plan and the pricing of a plan.
#pragma once

#include "Horizonte.h"
#include "ObservadorLotificacion.h"
#include "ParametrosMRP.h"

#include <array>
#include <cstddef>
#include <cstdint>

// One period row, addressed from 1 as the algorithms write it (there is no entry 0).
struct TFilaMRP {
    std::array<double, EntradasFila> v{};

    double& operator[](int periodo) { return v[static_cast<std::size_t>(periodo - 1)]; }
    double operator[](int periodo) const { return v[static_cast<std::size_t>(periodo - 1)]; }
    bool operator==(const TFilaMRP&) const = default;
};

// The MRP table of one item, rows in the order of the planning grid.
struct TTablaMRP {
    TFilaMRP NB;   // gross requirements (input)
    TFilaMRP D;    // projected stock at the start of each period; D[1] is the initial stock
    TFilaMRP RP;   // scheduled receipts (input)
    TFilaMRP NN;   // net requirements
    TFilaMRP RPPL; // planned order receipts
    TFilaMRP PPL;  // planned order releases
    bool operator==(const TTablaMRP&) const = default;
};

// The cost rows of a plan; CTotal[N + 1] is the total cost.
struct TCostesMRP {
    TFilaMRP Ce;
    TFilaMRP Cp;
    TFilaMRP CTotal;
    bool operator==(const TCostesMRP&) const = default;
};

// Prices the plan of Tabla with P's costs: entries 1 to N + 1 of the three cost rows.
void CalcularCostes(const TParametrosMRP& P, const TTablaMRP& Tabla, TCostesMRP& Costes);

// A manual plan's re-projection: for every period after the lead time, the release TS periods
// before and what it brings (zeros included), then every release that would be received after N.
struct SucesoRecepcion {
    int Emision;
    int Recepcion;
    double Cantidad;
};
struct SucesoEmisionFueraDelHorizonte {
    int Emision;
    double Cantidad;
};

// Recomputes NN, RPPL and D from the releases in PPL, telling Obs where each release is received;
// instantiated with ObservadorNulo and ObservadorRegistro.
template <class Observador>
void Reproyectar(const TParametrosMRP& P, TTablaMRP& Tabla, Observador Obs);
inline void Reproyectar(const TParametrosMRP& P, TTablaMRP& Tabla) {
    Reproyectar<ObservadorNulo>(P, Tabla, {});
}

// Nets one period (from 1); a period outside 1 to MaxPeriodos does nothing.
void NecesidadNeta(std::int32_t Periodo, TTablaMRP& Tabla, double SS);

class PasadasComunes;

// Lot-for-lot and EOQ, period by period: the period netted to Neta, what it receives and the
// period that receipt is released in; within the lead time nothing can be released (Emision 0),
// nothing is received and a net requirement stays as a backlog.
struct SucesoPeriodo {
    int Periodo;
    double Neta;
    double Recibido;
    int Emision;
};

// Lot-for-lot (code 0): every net requirement received in its own period. Also the first pass of
// POQ. Expects NN, RPPL and PPL zero on entry. With Pasadas, a pass another method made on the
// same input is copied rather than made again (PasadasComunes.h), and then Obs hears nothing of
// it: a routine is observed alone. Instantiated with ObservadorNulo and ObservadorRegistro.
template <class Observador>
void LoteALote(const TParametrosMRP& P, TTablaMRP& Tabla, PasadasComunes* Pasadas, Observador Obs);
inline void LoteALote(const TParametrosMRP& P, TTablaMRP& Tabla,
                      PasadasComunes* Pasadas = nullptr) {
    LoteALote<ObservadorNulo>(P, Tabla, Pasadas, {});
}
