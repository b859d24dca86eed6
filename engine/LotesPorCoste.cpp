// Least total cost, least unit cost and Silver-Meal: one lot at a time, each stretched over the
// run of periods that its cost criterion prefers.
#include "LotesPorCoste.h"

#include "MasBarato.h"
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
    // That lot is at least NN[k] > 0, so the division cannot be by zero, only overflow; an
    // overflow of CE + H overflows the quotient too.
    static double Valor(const Candidato& c) { return Finito((c.CE + c.H) / c.LoteMayor); }
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
template <class Criterio, class Observador>
void LotesPorCoste(const TParametrosMRP& P, TTablaMRP& Tabla, PasadasComunes* Pasadas,
                   Observador Obs) {
    const std::int32_t NPeriodos = P.N;
    const std::int32_t TS = P.TS;
    const double SS = P.SS;
    const double CE = P.CE;
    const double CP = P.CP;
    if (!motor::DentroDelContrato(NPeriodos, TS)) return;
    Obs(SucesoBusqueda{Criterio::ParaAlSubir});
    motor::PasadaInicial(Pasadas, PasadasComunes::Pasada::ReproyeccionInicial, Tabla,
                         [=](TTablaMRP& t) { motor::ReproyectarDesde(1, NPeriodos, TS, SS, t); });

    for (int k = PrimeraNecesidad(1, NPeriodos, Tabla); k <= NPeriodos;) {
        Obs(SucesoLote{k});
        double mejor = MejorInicial;
        int bj = k;
        double lote = Tabla.NN[k];
        Candidato c{CE, 0.0, 0.0, 0.0};
        double anterior = 0.0;  // NN[k] - 0 is NN[k] itself: NN is never -0
        double distancia = 0.0; // j - k, exact as a double
        for (int j = k; j <= NPeriodos; ++j, distancia += 1.0) {
            // NN is never negative, so r cannot overflow. An overflow in H makes every criterion's
            // sum CE + H or CE - H overflow, whose check fails in this same step.
            const double nn = Tabla.NN[j];
            const double r = nn - anterior;
            anterior = nn;
            c.H = distancia * CP * r + c.H;
            c.LoteMayor = std::max(c.LoteMayor, nn);
            c.Periodos = distancia + 1.0;
            const double v = Criterio::Valor(c);
            // Whether a candidate improves is as good as random: selected without a branch.
            const bool mejora = SustituyeAlMejor(v, mejor);
            if (Criterio::ParaAlSubir && !mejora && j > k && v > mejor) {
                Obs(SucesoCandidato{j, r, c.H, v, Candidatura::Parada});
                break;
            }
            Obs(SucesoCandidato{j, r, c.H, v,
                                mejora       ? Candidatura::Mejor
                                : v == mejor ? Candidatura::Empate
                                             : Candidatura::Peor});
            mejor = mejora ? v : mejor;
            bj = mejora ? j : bj;
            lote = mejora ? c.LoteMayor : lote;
        }
        Obs(SucesoLoteElegido{bj, lote, k > TS ? k - TS : 0});
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

template <class Observador>
void MinimoCosteTotal(const TParametrosMRP& P, TTablaMRP& Tabla, PasadasComunes* Pasadas,
                      Observador Obs) {
    LotesPorCoste<CosteTotal, Observador>(P, Tabla, Pasadas, Obs);
}

template <class Observador>
void MinimoCosteUnitario(const TParametrosMRP& P, TTablaMRP& Tabla, PasadasComunes* Pasadas,
                         Observador Obs) {
    LotesPorCoste<CosteUnitario, Observador>(P, Tabla, Pasadas, Obs);
}

template <class Observador>
void SilverMeal(const TParametrosMRP& P, TTablaMRP& Tabla, PasadasComunes* Pasadas,
                Observador Obs) {
    LotesPorCoste<CostePorPeriodo, Observador>(P, Tabla, Pasadas, Obs);
}

template void MinimoCosteTotal<ObservadorNulo>(const TParametrosMRP&, TTablaMRP&, PasadasComunes*,
                                               ObservadorNulo);
template void MinimoCosteTotal<ObservadorRegistro>(const TParametrosMRP&, TTablaMRP&,
                                                   PasadasComunes*, ObservadorRegistro);
template void MinimoCosteUnitario<ObservadorNulo>(const TParametrosMRP&, TTablaMRP&,
                                                  PasadasComunes*, ObservadorNulo);
template void MinimoCosteUnitario<ObservadorRegistro>(const TParametrosMRP&, TTablaMRP&,
                                                      PasadasComunes*, ObservadorRegistro);
template void SilverMeal<ObservadorNulo>(const TParametrosMRP&, TTablaMRP&, PasadasComunes*,
                                         ObservadorNulo);
template void SilverMeal<ObservadorRegistro>(const TParametrosMRP&, TTablaMRP&, PasadasComunes*,
                                             ObservadorRegistro);
