// The optimal plan: the cheapest way on from every lot start, found from the last start back,
// then the plan built in one pass over the horizon.
#include "PlanOptimo.h"

#include "MotorInterno.h"
#include "PasadasComunes.h"

#include <algorithm>
#include <array>
#include <cmath>

using namespace calculo;

namespace {

// The lot received in k that covers k to j, sized as the lot-by-lot methods size it: the largest
// net requirement of k to j while nothing is received from k on, with the same arithmetic.
double LoteHasta(int k, int j, const TTablaMRP& t, double SS) {
    double d = t.D[k];
    double lote = 0.0;
    for (int q = k; q <= j; ++q) {
        lote = std::max(lote, motor::Positivo(Finito(t.NB[q] - d - t.RP[q] + SS)));
        d = Finito(d + t.RP[q] - t.NB[q] + 0.0);
    }
    return lote;
}

} // namespace

template <class Observador>
void PlanOptimo(const TParametrosMRP& P, TTablaMRP& Tabla, PasadasComunes* Pasadas,
                Observador Obs) {
    const std::int32_t NPeriodos = P.N;
    const std::int32_t TS = P.TS;
    const double SS = P.SS;
    const double CE = P.CE;
    const double CP = P.CP;
    if (!motor::DentroDelContrato(NPeriodos, TS)) return;
    motor::PasadaInicial(Pasadas, PasadasComunes::Pasada::ReproyeccionInicial, Tabla,
                         [=](TTablaMRP& t) { motor::ReproyectarDesde(1, NPeriodos, TS, SS, t); });
    if (TS >= NPeriodos) return; // nothing can be received

    // The periods where c rises, which are the periods a lot can start in, and by how much.
    std::array<int, EntradasFila> inicio;
    std::array<double, EntradasFila> subida;
    int inicios = 0;
    double c = 0.0;
    for (int p = TS + 1; p <= NPeriodos; ++p) {
        if (Tabla.NN[p] > c) {
            inicio[inicios] = p;
            subida[inicios] = Tabla.NN[p] - c;
            c = Tabla.NN[p];
            ++inicios;
        }
    }
    if (inicios == 0) return;

    // Every plan pays the same holding cost on what each period needs, so two ways on from the
    // same start differ only in their orders and in the unit-periods their lots hold beyond the
    // needs (the excess). No way holds more than one lot from the first start, and none orders
    // more than once a start: if even those bounds stay within range, no cost below overflows.
    double mayorExceso = 0.0;
    for (int t = 1; t < inicios; ++t)
        mayorExceso += static_cast<double>(inicio[t] - inicio[0]) * subida[t];
    Finito(std::fabs(CP) * mayorExceso + inicios * std::fabs(CE));

    // With costs of 0 or more, a lot that would hold the rise of a start at a cost above an order
    // is beaten by ordering again there, and so is every longer lot from the same start: the
    // search from a start ends there. The margin keeps the rounded comparison to cases where the
    // exact one holds too, so that no way of equal cost is left out.
    const bool podar = CE >= 0.0 && CP >= 0.0;
    constexpr double MargenPoda = 1.0 + 0x1p-50;

    // For the cheapest way on from each start i: its orders, its excess and the start of the lot
    // after the one received at i (inicios: none). Entry inicios is the end of the horizon.
    std::array<int, EntradasFila + 1> pedidos;
    std::array<double, EntradasFila + 1> exceso, costePedidos;
    std::array<int, EntradasFila> siguiente;
    pedidos[inicios] = 0;
    exceso[inicios] = 0.0;
    costePedidos[inicios] = CE; // of the ways that end with one more lot: pedidos + 1 orders
    // The last period of a lot followed by the lot of start s.
    const auto finAntesDe = [&](int s) { return s < inicios ? inicio[s] - 1 : NPeriodos; };
    for (int i = inicios - 1; i >= 0; --i) {
        int elegido = i + 1;
        double retenidoHasta = 0.0; // the excess of the lot from i up to the start before s
        double mejorExceso = exceso[i + 1];
        double mejorCoste = costePedidos[i + 1] + CP * mejorExceso;
        Obs(SucesoCandidatoOptimo{inicio[i], finAntesDe(i + 1), mejorCoste});
        for (int s = i + 2; s <= inicios; ++s) {
            // The rise at start s - 1, held from start i until it is needed.
            const double retenido = static_cast<double>(inicio[s - 1] - inicio[i]) * subida[s - 1];
            if (podar && CP * retenido > CE * MargenPoda) break;
            retenidoHasta += retenido;
            const double e = retenidoHasta + exceso[s];
            const double k = costePedidos[s] + CP * e;
            Obs(SucesoCandidatoOptimo{inicio[i], finAntesDe(s), k});
            // In order of growing lots, and only a cheaper way replaces: on a tie the lot that
            // covers fewer periods stays. Equal costs with as many orders are told apart by the
            // excess, exact with whole quantities where the rounded product with CP may not be.
            if (k < mejorCoste || (k == mejorCoste && pedidos[s] == pedidos[elegido] &&
                                   (CP > 0.0 ? e < mejorExceso : CP < 0.0 && e > mejorExceso))) {
                elegido = s;
                mejorExceso = e;
                mejorCoste = k;
            }
        }
        pedidos[i] = pedidos[elegido] + 1;
        exceso[i] = mejorExceso;
        costePedidos[i] = (pedidos[i] + 1) * CE;
        siguiente[i] = elegido;
        Obs(SucesoCosteDesde{inicio[i], mejorCoste, finAntesDe(elegido)});
    }

    // The last period covered by the lot that starts in each period; 0 where none starts.
    std::array<int, EntradasFila + 1> fin{};
    for (int i = 0; i < inicios; i = siguiente[i])
        fin[inicio[i]] = siguiente[i] < inicios ? inicio[siguiente[i]] - 1 : NPeriodos;

    motor::Pasada(TS + 1, NPeriodos, Tabla, SS, [&Tabla, &fin, TS, SS, &Obs](int i, double) {
        const double lote = fin[i] != 0 ? LoteHasta(i, fin[i], Tabla, SS) : 0.0;
        Tabla.RPPL[i] = lote;
        Tabla.PPL[i - TS] = lote;
        if (fin[i] != 0) Obs(SucesoLoteOptimo{i, i - TS, fin[i], lote});
        return lote;
    });
}

template void PlanOptimo<ObservadorNulo>(const TParametrosMRP&, TTablaMRP&, PasadasComunes*,
                                         ObservadorNulo);
template void PlanOptimo<ObservadorRegistro>(const TParametrosMRP&, TTablaMRP&, PasadasComunes*,
                                             ObservadorRegistro);
