// How a calculation made its plan: the decisions the engine reported while it made it, kept as
// plain records with the calculation's result. TextosExplicacion writes them as texts and tables.
#pragma once

#include "LotificaUnit.h"

#include <optional>
#include <utility>
#include <vector>

struct ProblemaNumerico;

// Lot-for-lot and EOQ: a period netted and what it receives.
struct PeriodoExplicado {
    int Periodo = 0;
    double Neta = 0;
    double Recibido = 0;
    int Emision = 0; // the period its receipt is released in; 0 within the lead time
};

// EOQ and POQ: the mean demand and the economic lot before any rounding.
struct DemandaExplicada {
    double Media = 0;
    double Q = 0;
};

// POQ: Q / m, its rounding and the interval used.
struct IntervaloExplicado {
    double Cociente = 0;
    double Redondeado = 0;
    int P = 0;
};

// POQ: the periods a window spans, the lot-for-lot releases it gathered (period, quantity; none
// of 0) and the release they make in its first period.
struct VentanaExplicada {
    int Desde = 0;
    int Hasta = 0;
    std::vector<std::pair<int, double>> Emisiones;
    double Total = 0;
};

struct CandidatoExplicado {
    int j = 0;
    double r = 0;
    double H = 0;
    double v = 0;
    Candidatura Estado = Candidatura::Mejor;
};

// Least total cost, least unit cost and Silver-Meal: one lot, received in k.
struct LoteExplicado {
    int k = 0;
    std::vector<CandidatoExplicado> Candidatos; // in the order evaluated; a stop is the last
    int bj = 0;
    double Cantidad = 0;
    int Emision = 0; // 0 when k lies within the lead time and the lot cannot be released
};

// The optimum: the least cost of ordering and holding the lots from a start to the end of the
// horizon, and the last period of the first of them.
struct CosteDesdeExplicado {
    int Periodo = 0;
    double Coste = 0;
    int Fin = 0;
};

struct LoteOptimoExplicado {
    int Recepcion = 0;
    int Emision = 0;
    int Fin = 0;
    double Cantidad = 0;
};

// "Mejor de las anteriores": a compared method's total, and whether it became the choice.
struct TotalExplicado {
    TipoLotificacion Metodo = 0;
    double Total = 0;
    bool Elegido = false;
};

// A manual plan: a release typed in the PPL row and where it is received.
struct EmisionManualExplicada {
    int Emision = 0;
    double Cantidad = 0;
    int Recepcion = 0; // 0 when it would be received after the horizon
};

struct ExplicacionCalculo {
    // After "Mejor de las anteriores", the totals it compared, in code order; empty otherwise.
    std::vector<TotalExplicado> Totales;
    // The method whose decisions follow (after "Mejor de las anteriores", the winner); -1 after a
    // manual calculation and when no method was selected.
    TipoLotificacion Metodo = -1;
    std::vector<PeriodoExplicado> Periodos; // lot-for-lot and EOQ, in period order
    std::optional<DemandaExplicada> Demanda;
    std::optional<double> LoteEconomico; // EOQ's Q as ordered, rounded when asked
    std::optional<IntervaloExplicado> Intervalo;
    std::optional<int> PrimeraEmision; // POQ's s; 0 when lot-for-lot releases nothing
    std::vector<VentanaExplicada> Ventanas;
    std::vector<LoteExplicado> Lotes;
    std::vector<CosteDesdeExplicado> CostesDesde; // in period order
    std::vector<LoteOptimoExplicado> LotesOptimos;
    std::vector<EmisionManualExplicada> Emisiones; // in period order
};

// Plans the problem's table with metodo as Lotificar does, the very same plan, recording every
// decision. After "Mejor de las anteriores" metodo holds the winner, whose own decisions are
// recorded too, from the winner solved again on the input. Throws as Lotificar.
ExplicacionCalculo LotificarExplicando(const ProblemaNumerico& problema, TTablaMRP& tabla,
                                       TipoLotificacion& metodo);

// Re-projects the releases typed in the table as Reproyectar does, recording where each one is
// received.
ExplicacionCalculo ReproyectarExplicando(const ProblemaNumerico& problema, TTablaMRP& tabla);
