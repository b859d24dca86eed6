// Least total cost, least unit cost and Silver-Meal: one lot at a time, each stretched over the
// run of periods that its cost criterion prefers.
#include "LotesPorCoste.h"

#include "MotorInterno.h"
#include "PasadasComunes.h"

#include <algorithm>
#include <cmath>

using namespace calculo;

namespace {

// What a criterion sees of candidate j for the lot received in k.
struct Candidato {
    double CE;
    double H;         // holding cost of the lot if it covers k to j
    double LoteMayor; // the largest NN from k to j: the lot that really covers k to j
    double Periodos;  // j - k + 1
};

struct CosteTotal {
    static constexpr bool ParaAlSubir = true;
    static double Valor(const Candidato& c) { return std::fabs(Resta(c.CE, c.H)); }
};

struct CosteUnitario {
    static constexpr bool ParaAlSubir = true;
    // NN may fall where scheduled receipts arrive; the lot still has to be the largest
    // cumulative requirement seen, or the unit cost would divide by a lot that covers nothing.
    // That lot is at least NN[k] > 0, so the division cannot be by zero, only overflow.
    static double Valor(const Candidato& c) { return Finito(Suma(c.CE, c.H) / c.LoteMayor); }
};

struct CostePorPeriodo {
    static constexpr bool ParaAlSubir = false;
    // A finite value divided by at least one period stays finite.
    static double Valor(const Candidato& c) { return Suma(c.CE, c.H) / c.Periodos; }
};

int PrimeraNecesidad(int desde, std::int32_t NPeriodos, const TTablaMRP& Tabla) {
    int k = desde;
    while (k <= NPeriodos && Tabla.NN[k] == 0.0) ++k;
    return k;
}

// While no receipt is planned from k on, NN[j] is the cumulative uncovered requirement of k to
// j, so it sizes a lot that covers them.
template <class Criterio>
void LotesPorCoste(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                   TTablaMRP& Tabla, PasadasComunes* Pasadas) {
    if (!motor::DentroDelContrato(NPeriodos, TS)) return;
    motor::PasadaInicial(Pasadas, PasadasComunes::Pasada::ReproyeccionInicial, Tabla,
                         [=](TTablaMRP& t) { motor::ReproyectarDesde(1, NPeriodos, TS, SS, t); });

    for (int k = PrimeraNecesidad(1, NPeriodos, Tabla); k <= NPeriodos;) {
        double mejor = motor::MejorInicial;
        int bj = k;
        double lote = Tabla.NN[k];
        Candidato c{CE, 0.0, 0.0, 0.0};
        double anterior = 0.0;  // NN[k] - 0 is NN[k] itself: NN is never -0
        double distancia = 0.0; // j - k, exact as a double
        for (int j = k; j <= NPeriodos; ++j, distancia += 1.0) {
            // NN is never negative, so r cannot overflow; an overflow in H shows in H itself.
            const double nn = Tabla.NN[j];
            const double r = nn - anterior;
            anterior = nn;
            c.H = Finito(distancia * CP * r + c.H);
            c.LoteMayor = std::max(c.LoteMayor, nn);
            c.Periodos = distancia + 1.0;
            const double v = Criterio::Valor(c);
            // Whether a candidate improves is as good as random: selected without a branch.
            const bool mejora = v < mejor;
            if (Criterio::ParaAlSubir && !mejora && j > k && v > mejor) break;
            mejor = mejora ? v : mejor;
            bj = mejora ? j : bj;
            lote = mejora ? c.LoteMayor : lote;
        }
        if (k > TS) {
            Tabla.PPL[k - TS] = lote;
            motor::ReproyectarDesde(k, NPeriodos, TS, SS, Tabla);
        } else {
            // A lot due within the lead time cannot be released, and the periods it would have
            // covered after the lead time must not go without: the backlog stops at period TS,
            // and the first lot that can be received, after it, covers it.
            bj = std::min(bj, static_cast<int>(TS));
        }
        k = PrimeraNecesidad(bj + 1, NPeriodos, Tabla);
    }
}

} // namespace

void MinimoCosteTotal(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                      TTablaMRP& Tabla, PasadasComunes* Pasadas) {
    LotesPorCoste<CosteTotal>(NPeriodos, TS, SS, CE, CP, Tabla, Pasadas);
}

void MinimoCosteUnitario(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                         TTablaMRP& Tabla, PasadasComunes* Pasadas) {
    LotesPorCoste<CosteUnitario>(NPeriodos, TS, SS, CE, CP, Tabla, Pasadas);
}

void SilverMeal(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                TTablaMRP& Tabla, PasadasComunes* Pasadas) {
    LotesPorCoste<CostePorPeriodo>(NPeriodos, TS, SS, CE, CP, Tabla, Pasadas);
}
