// The re-projection of a tail of the horizon, which the methods repeat after every lot they place.
#include "MotorInterno.h"

void motor::ReproyectarDesde(int Desde, std::int32_t NPeriodos, std::int32_t TS, double SS,
                             TTablaMRP& Tabla) {
    Pasada(Desde, NPeriodos, Tabla, SS, [&Tabla, TS](int i, double) {
        if (i > TS) Tabla.RPPL[i] = Tabla.PPL[i - TS];
        return Tabla.RPPL[i];
    });
}
