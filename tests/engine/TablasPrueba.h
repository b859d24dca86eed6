// Short-hand for the engine's tests: problems written as lists, whole plans compared row by row.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "LotificaUnit.h"
#include "MensajeDe.h"

using Fila = std::vector<double>;

struct Problema {
    std::int32_t N = 0;
    std::int32_t TS = 0;
    double SS = 0;
    double CE = 100;
    double CP = 1;
    double D1 = 0;
    Fila NB;
    Fila RP = {};
};

// Entries 1 to N + 1 of every row the engine writes.
struct PlanEsperado {
    Fila D, NN, RPPL, PPL, Ce, Cp, CTotal;
};

inline void Copiar(const Fila& desde, TFilaMRP& hacia) {
    for (std::size_t i = 0; i < desde.size(); ++i) hacia[static_cast<int>(i) + 1] = desde[i];
}

inline TTablaMRP TablaDe(const Problema& p) {
    TTablaMRP t;
    Copiar(p.NB, t.NB);
    Copiar(p.RP, t.RP);
    t.D[1] = p.D1;
    return t;
}

// Entries 1 to hasta.
inline Fila Entradas(const TFilaMRP& fila, int hasta) {
    return Fila(fila.v.begin(), fila.v.begin() + hasta);
}

inline void ComprobarPlan(int N, const TTablaMRP& t, const TCostesMRP& c, const PlanEsperado& e) {
    const int n = N + 1;
    EXPECT_EQ(Entradas(t.D, n), e.D) << "D";
    EXPECT_EQ(Entradas(t.NN, n), e.NN) << "NN";
    EXPECT_EQ(Entradas(t.RPPL, n), e.RPPL) << "RPPL";
    EXPECT_EQ(Entradas(t.PPL, n), e.PPL) << "PPL";
    EXPECT_EQ(Entradas(c.Ce, n), e.Ce) << "Ce";
    EXPECT_EQ(Entradas(c.Cp, n), e.Cp) << "Cp";
    EXPECT_EQ(Entradas(c.CTotal, n), e.CTotal) << "CTotal";
}

// Plans with Lotificar and prices the plan, as the main window does.
struct Resultado {
    TTablaMRP Tabla;
    TCostesMRP Costes;
    std::int32_t Elegido = -1;
};

inline Resultado Resolver(TipoLotificacion metodo, const Problema& p, bool redondear = true) {
    Resultado r{TablaDe(p), {}, -1};
    Lotificar(metodo, {p.N, p.TS, p.SS, p.CE, p.CP, redondear}, r.Tabla, r.Elegido);
    CalcularCostes({p.N, 0, 0, p.CE, p.CP}, r.Tabla, r.Costes);
    return r;
}

// Eight periods with a lead time: lot-for-lot costs 710, EOQ 1075, the other four 635.
inline const Problema OchoPeriodos{8, 1, 0, 100, 1, 60, {50, 60, 70, 60, 95, 75, 60, 55}};
// An early peak, a long gap and a late requirement: 300, 426, 400, 350, 400, 400.
inline const Problema PicoTemprano{7, 0, 0, 100, 1, 0, {10, 200, 0, 0, 0, 0, 30}};
