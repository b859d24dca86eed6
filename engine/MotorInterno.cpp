// The re-projection of a tail of the horizon, which the methods repeat after every lot they place.
#include "MotorInterno.h"

#include <algorithm>

// Periods within the lead time keep the receipts the caller left; after it every receipt is the
// release TS periods before. Two loops, so that the hot one neither branches nor reads back the
// receipt it has just stored.
template <class Observador>
void motor::ReproyectarDesde(int Desde, std::int32_t NPeriodos, std::int32_t TS, double SS,
                             TTablaMRP& Tabla, Observador Obs) {
    const int ultimaSinPedido = std::min(NPeriodos, TS);
    if (Desde <= ultimaSinPedido)
        Pasada(Desde, ultimaSinPedido, Tabla, SS,
               [&Tabla](int i, double) { return Tabla.RPPL[i]; });
    Pasada(std::max(Desde, ultimaSinPedido + 1), NPeriodos, Tabla, SS,
           [&Tabla, TS, &Obs](int i, double) {
               const double recibido = Tabla.PPL[i - TS];
               Tabla.RPPL[i] = recibido;
               Obs.Recepcion(i - TS, i, recibido);
               return recibido;
           });
}

template void motor::ReproyectarDesde<ObservadorNulo>(int, std::int32_t, std::int32_t, double,
                                                      TTablaMRP&, ObservadorNulo);
template void motor::ReproyectarDesde<ObservadorRegistro>(int, std::int32_t, std::int32_t, double,
                                                          TTablaMRP&, ObservadorRegistro);
