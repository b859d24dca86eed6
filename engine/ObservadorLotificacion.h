// What the lot-sizing methods decide, heard as they decide it. Every method routine is a template
// on its observer, to which it reports its decisions: ObservadorNulo hears nothing and costs
// nothing (its members are empty and inline, and it is passed by value, so a routine instantiated
// with it is the routine alone); ObservadorLotificacion is the interface a recorder outside the
// engine implements, and the routines are instantiated with a reference to it. The two declare
// the same members.
#pragma once

#include <cstdint>

// A candidate end of a lot against the best value met so far for that lot.
enum class Candidatura : std::uint8_t {
    Mejor,  // strictly below the best: the new best
    Empate, // equal to the best: the earlier candidate stays chosen and the search goes on
    Peor,   // above the best, and the search goes on (Silver-Meal never stops)
    Parada, // above the best: the search stops and this candidate is not taken
};

// The events, in the order a method reports them.
//   Lot-for-lot and EOQ, period by period:
//     Periodo: period netted to neta, what it receives and the period that receipt is released
//     in; within the lead time nothing can be released (emision 0), nothing is received and a
//     net requirement stays as a backlog.
//   EOQ and POQ: DemandaMedia, the mean demand and the economic lot before any rounding.
//   EOQ: LoteEconomico, the lot it orders (Q rounded when asked), before its periods.
//   POQ: Intervalo (Q / m, its rounding and the interval used: at least 1, at most N), then
//     PrimeraEmision (the first lot-for-lot release, 0 when there is none), then every window:
//     each release it gathers (EmisionAgrupada, zeros included) and the window (Ventana).
//   Least total cost, least unit cost and Silver-Meal, lot by lot: Lote (the period k the lot is
//     received in), every Candidato evaluated, then LoteElegido (the chosen end bj, the lot's
//     quantity and its release period; 0 when k lies within the lead time and the lot cannot
//     be released).
//   The optimum: CosteDesde for every period a lot can start in, from the last one back (the
//     least cost of ordering and holding the lots from there to the end, and the last period of
//     the first of them), then LoteOptimo for each lot of the plan, in period order: its receipt,
//     its release, the last period it covers and its quantity.
//   The best of the methods: TotalComparado for each compared method in code order, and whether
//     it became the choice.
//   The re-projection of a manual plan: Recepcion for every period after the lead time (the
//     release TS periods before and what it brings, zeros included), then
//     EmisionFueraDelHorizonte for every period whose release would be received after N.

struct ObservadorNulo {
    void Periodo(int, double, double, int) {}
    void DemandaMedia(double, double) {}
    void LoteEconomico(double) {}
    void Intervalo(double, double, int) {}
    void PrimeraEmision(int) {}
    void EmisionAgrupada(int, double) {}
    void Ventana(int, int, double) {}
    void Lote(int) {}
    void Candidato(int, double, double, double, Candidatura) {}
    void LoteElegido(int, double, int) {}
    void CosteDesde(int, double, int) {}
    void LoteOptimo(int, int, int, double) {}
    void TotalComparado(std::int32_t, double, bool) {}
    void Recepcion(int, int, double) {}
    void EmisionFueraDelHorizonte(int, double) {}
};

class ObservadorLotificacion {
public:
    virtual ~ObservadorLotificacion() = default;
    virtual void Periodo(int periodo, double neta, double recibido, int emision) = 0;
    virtual void DemandaMedia(double media, double Q) = 0;
    virtual void LoteEconomico(double Q) = 0;
    virtual void Intervalo(double cociente, double redondeado, int P) = 0;
    virtual void PrimeraEmision(int periodo) = 0;
    virtual void EmisionAgrupada(int periodo, double cantidad) = 0;
    virtual void Ventana(int desde, int hasta, double total) = 0;
    virtual void Lote(int k) = 0;
    virtual void Candidato(int j, double r, double H, double v, Candidatura candidatura) = 0;
    virtual void LoteElegido(int bj, double cantidad, int emision) = 0;
    virtual void CosteDesde(int periodo, double coste, int fin) = 0;
    virtual void LoteOptimo(int recepcion, int emision, int fin, double cantidad) = 0;
    virtual void TotalComparado(std::int32_t metodo, double total, bool elegido) = 0;
    virtual void Recepcion(int emision, int recepcion, double cantidad) = 0;
    virtual void EmisionFueraDelHorizonte(int emision, double cantidad) = 0;
};

// The observer type a recording caller instantiates the routines with.
using ObservadorRegistro = ObservadorLotificacion&;
