// Random problems for the engine with everything the grid allows: initial stock, scheduled
// receipts, safety stock, negative requirements and lead times up to and beyond the horizon.
// Shared by the engine's tests and the check of the optimum over many problems.
#pragma once

#include "LotificaUnit.h"

#include <algorithm>
#include <cstdint>
#include <random>

struct ProblemaAzar {
    std::int32_t N = 0;
    std::int32_t TS = 0;
    double SS = 0;
    double CE = 0;
    double CP = 0;
    TTablaMRP Tabla; // NB, RP and D[1]; everything else zero
};

// Whole quantities, as the grid mostly holds them, and positive costs, so that every method
// solves every problem. Some problems take their quantities from a few round values and whole
// costs, which makes plans of equal cost common.
class ProblemasMotorAzar {
public:
    explicit ProblemasMotorAzar(std::uint32_t semilla, std::int32_t maxPeriodos = MaxPeriodos)
        : azar_(semilla), maxPeriodos_(maxPeriodos) {}

    ProblemaAzar Siguiente() {
        ProblemaAzar p;
        p.N = Probable(0.7) ? Entero(1, std::min(maxPeriodos_, 16)) : Entero(1, maxPeriodos_);
        p.TS = Probable(0.75) ? Entero(0, 3) : Entero(0, p.N + 2);
        const bool redondos = Probable(0.3);
        const double hayNecesidad = Real(0.3, 1.0);
        double suma = 0;
        for (int i = 1; i <= p.N; ++i) {
            if (Probable(hayNecesidad))
                p.Tabla.NB[i] = redondos        ? 10.0 * Entero(0, 5)
                                : Probable(0.1) ? Entero(-80, -1)
                                                : Entero(1, 500);
            if (Probable(0.15)) p.Tabla.RP[i] = redondos ? 10.0 * Entero(1, 3) : Entero(1, 300);
            suma += p.Tabla.NB[i];
        }
        // EOQ and POQ need a positive mean demand.
        if (suma <= 0) p.Tabla.NB[p.N] += 1 - suma;
        p.Tabla.D[1] = Probable(0.5) ? 0.0 : Entero(0, 800);
        p.SS = Probable(0.6) ? 0.0 : Entero(1, 60);
        if (redondos) {
            p.CE = 10.0 * Entero(1, 20);
            p.CP = Entero(1, 3);
        } else {
            p.CE = Real(1, 500);
            p.CP = Real(0.01, 5);
        }
        return p;
    }

private:
    bool Probable(double p) { return std::bernoulli_distribution(p)(azar_); }
    int Entero(int desde, int hasta) { return std::uniform_int_distribution(desde, hasta)(azar_); }
    double Real(double desde, double hasta) {
        return std::uniform_real_distribution(desde, hasta)(azar_);
    }

    std::mt19937 azar_;
    std::int32_t maxPeriodos_;
};

// The total cost of a method's plan, as the main window prices it.
inline double CosteTotal(TipoLotificacion metodo, const ProblemaAzar& p,
                         TTablaMRP* plan = nullptr) {
    TTablaMRP tabla = p.Tabla;
    TCostesMRP costes;
    std::int32_t elegido = 0;
    Lotificar(metodo, {p.N, p.TS, p.SS, p.CE, p.CP, true}, tabla, elegido);
    CalcularCostes({p.N, 0, 0, p.CE, p.CP}, tabla, costes);
    if (plan) *plan = tabla;
    return costes.CTotal[p.N + 1];
}
