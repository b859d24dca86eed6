// The lot-sizing engine: the MRP record of one item, its netting and projection, the six
// lot-sizing methods, the best of them and the pricing of a plan. Plain C++, no state.
#pragma once

#include <array>
#include <cstdint>

#include "ErroresCalculo.h"

// Capacity of every period row: entries 1 to 100. Entry N + 1 is written, so N is at most 99.
inline constexpr int EntradasFila = 100;
inline constexpr int MaxPeriodos = EntradasFila - 1;

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

// Method codes, the positions of the method radio group's items.
using TipoLotificacion = std::int32_t;
inline constexpr TipoLotificacion LotificacionLoteALote = 0;
inline constexpr TipoLotificacion LotificacionEOQ = 1;
inline constexpr TipoLotificacion LotificacionPOQ = 2;
inline constexpr TipoLotificacion LotificacionMinimoCosteTotal = 3;
inline constexpr TipoLotificacion LotificacionMinimoCosteUnitario = 4;
inline constexpr TipoLotificacion LotificacionSilverMeal = 5;
inline constexpr TipoLotificacion LotificacionMejor = 6;

// Contract of every entry point: NPeriodos from 1 to MaxPeriodos and TS of 0 or more (any
// size: a lead time beyond the horizon plans nothing). Callers refuse other input before they
// call; given it anyway, every entry point returns at once and writes nothing at all. Within the
// contract nothing outside entries 1 to NPeriodos + 1 is ever written, RPPL[1..TS] and
// PPL[NPeriodos-TS+1..NPeriodos] keep the caller's values, and nothing allocates. Inputs must be
// finite; arithmetic failures throw the errors of ErroresCalculo.h, leaving the records as far
// as the work got, and no stored result is ever an infinity or a NaN.

// Plans Tabla with the method of code Metodo. Code 6 writes the code of the winning method
// (0 to 5) into MetodoElegido; codes 0 to 5 leave it alone; any other code changes nothing.
void Lotificar(TipoLotificacion Metodo, std::int32_t NPeriodos, std::int32_t TS, double SS,
               double CE, double CP, bool Redondear, TTablaMRP& Tabla, std::int32_t& MetodoElegido);

// Prices the plan of Tabla: entries 1 to N + 1 of the three cost rows.
void CalcularCostes(std::int32_t NPeriodos, const TTablaMRP& Tabla, double CE, double CP,
                    TCostesMRP& Costes);

// Recomputes NN, RPPL and D from the releases in PPL.
void Reproyectar(std::int32_t NPeriodos, std::int32_t TS, double SS, TTablaMRP& Tabla);

// Nets one period (from 1); a period outside 1 to MaxPeriodos does nothing.
void NecesidadNeta(std::int32_t Periodo, TTablaMRP& Tabla, double SS);

// The method routines, reached through Lotificar. They expect NN, RPPL and PPL zero on entry.
// MejorMetodo writes its choice (0 to 5) into MetodoElegido as it goes, so after a failure it
// holds the cheapest of the methods priced until then.
void LoteALote(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
               TTablaMRP& Tabla);
void LoteEOQ(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
             bool Redondear, TTablaMRP& Tabla);
void LotePOQ(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
             TTablaMRP& Tabla);
void MinimoCosteTotal(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                      TTablaMRP& Tabla);
void MinimoCosteUnitario(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                         TTablaMRP& Tabla);
void SilverMeal(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                TTablaMRP& Tabla);
void MejorMetodo(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                 bool Redondear, TTablaMRP& Tabla, std::int32_t& MetodoElegido);
