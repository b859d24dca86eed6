// EOQ and POQ: the lots derived from the mean demand of the horizon.
#include "LotesDemandaMedia.h"

#include "MotorInterno.h"
#include "PasadasComunes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

using namespace calculo;

namespace {

// Once the running sum of finite values overflows it stays infinite or NaN, so one check at the
// end catches it; dividing a finite sum by N >= 1 can neither fail nor overflow.
double Media(std::int32_t NPeriodos, const TTablaMRP& Tabla) {
    double suma = 0.0;
    for (int i = 1; i <= NPeriodos; ++i) suma += Tabla.NB[i];
    return Finito(suma) / static_cast<double>(NPeriodos);
}

double LoteEconomico(double CE, double CP, double media) {
    return RaizCuadrada(Cociente(Producto(Producto(2.0, CE), media), CP));
}

// m and Q as EOQ and POQ both begin: computed once when they run among other methods, and told
// to the observer.
template <class Observador>
PasadasComunes::DemandaMedia Demanda(const TParametrosMRP& P, const TTablaMRP& Tabla,
                                     PasadasComunes* Pasadas, Observador Obs) {
    const PasadasComunes::DemandaMedia demanda =
        motor::DemandaInicial(Pasadas, [&]() -> PasadasComunes::DemandaMedia {
            const double media = Media(P.N, Tabla);
            return {media, LoteEconomico(P.CE, P.CP, media)};
        });
    Obs(SucesoDemandaMedia{demanda.Media, demanda.Q});
    return demanda;
}

// The rounded Q / m (ties to the even neighbour, the default rounding mode) as an interval. One
// below one period could never advance the windows, so it becomes one (the lot-for-lot plan);
// one beyond the horizon merges everything into the first window, as N does, and never reaches
// the integer conversion.
int IntervaloPedido(double redondeado, std::int32_t NPeriodos) {
    if (redondeado < 1.0) return 1;
    if (redondeado > NPeriodos) return NPeriodos;
    return static_cast<int>(redondeado);
}

} // namespace

template <class Observador>
void LoteEOQ(const TParametrosMRP& P, TTablaMRP& Tabla, PasadasComunes* Pasadas, Observador Obs) {
    const std::int32_t NPeriodos = P.N;
    const std::int32_t TS = P.TS;
    const double SS = P.SS;
    if (!motor::DentroDelContrato(NPeriodos, TS)) return;
    double Q = Demanda<Observador>(P, Tabla, Pasadas, Obs).Q;
    if (P.Redondear) Q = std::rint(Q); // as nearbyint in the default mode, without its cost
    Obs(SucesoLoteEconomico{Q});
    motor::Pasada(1, NPeriodos, Tabla, SS, [&Tabla, TS, Q, &Obs](int i, double neta) {
        if (i > TS) {
            // Q when the net requirement is not above it, the requirement otherwise, and no lot
            // without a requirement; selected without branches, as random as the requirements.
            const double recibido =
                motor::Si(std::max(neta, Q), neta, [](auto x) { return x != 0.0; });
            Tabla.RPPL[i] = recibido;
            Tabla.PPL[i - TS] = recibido;
            Obs(SucesoPeriodo{i, neta, recibido, i - TS});
            return recibido;
        }
        Obs(SucesoPeriodo{i, neta, Tabla.RPPL[i], 0});
        return Tabla.RPPL[i];
    });
}

template <class Observador>
void LotePOQ(const TParametrosMRP& Parametros, TTablaMRP& Tabla, PasadasComunes* Pasadas,
             Observador Obs) {
    const std::int32_t NPeriodos = Parametros.N;
    const std::int32_t TS = Parametros.TS;
    const double SS = Parametros.SS;
    if (!motor::DentroDelContrato(NPeriodos, TS)) return;
    const auto [media, Q] = Demanda<Observador>(Parametros, Tabla, Pasadas, Obs);
    const double cociente = Cociente(Q, media);
    const double redondeado = std::rint(cociente);
    const int P = IntervaloPedido(redondeado, NPeriodos);
    Obs(SucesoIntervalo{cociente, redondeado, P});

    // POQ tells of the releases it gathers, not of the lot-for-lot pass that made them.
    LoteALote<ObservadorNulo>(Parametros, Tabla, Pasadas, {});

    // Releases after N - TS would be received beyond the horizon: they are not ours to move.
    const int ultimaEmision = NPeriodos - TS;
    int s = 1;
    while (s <= ultimaEmision && Tabla.PPL[s] == 0.0) ++s;
    // No release before s has moved, so the periods before its receipt keep the lot-for-lot
    // projection, which re-projecting them would give again; without releases nothing moves.
    if (s > ultimaEmision) {
        Obs(SucesoPrimeraEmision{0});
        return;
    }
    Obs(SucesoPrimeraEmision{s});
    const int primeraRecepcion = s + TS;
    for (; s <= ultimaEmision; s += P) {
        const int fin = std::min(s + P - 1, ultimaEmision);
        double suma = 0.0;
        for (int j = s; j <= fin; ++j) {
            Obs(SucesoEmisionAgrupada{j, Tabla.PPL[j]});
            suma = Suma(suma, Tabla.PPL[j]);
            Tabla.PPL[j] = 0.0;
        }
        Tabla.PPL[s] = suma;
        // The window as the user counts it: P periods, or to N; its periods after N - TS held
        // no release.
        Obs(SucesoVentana{s, std::min(s + P - 1, NPeriodos), suma});
    }

    motor::ReproyectarDesde(primeraRecepcion, NPeriodos, TS, SS, Tabla);
}

template void LoteEOQ<ObservadorNulo>(const TParametrosMRP&, TTablaMRP&, PasadasComunes*,
                                      ObservadorNulo);
template void LoteEOQ<ObservadorRegistro>(const TParametrosMRP&, TTablaMRP&, PasadasComunes*,
                                          ObservadorRegistro);
template void LotePOQ<ObservadorNulo>(const TParametrosMRP&, TTablaMRP&, PasadasComunes*,
                                      ObservadorNulo);
template void LotePOQ<ObservadorRegistro>(const TParametrosMRP&, TTablaMRP&, PasadasComunes*,
                                          ObservadorRegistro);
