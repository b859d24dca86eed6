// The best of the methods: each compared method solved and priced from the same input, the
// cheapest plan left in the caller's table.
#include "MejorMetodo.h"

#include "FilasDelPlan.h"
#include "MetodosLotificacion.h"
#include "MotorInterno.h"
#include "ResolucionConjunta.h"

template <class Observador>
void MejorMetodo(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                 bool Redondear, TTablaMRP& Tabla, std::int32_t& MetodoElegido, Observador Obs) {
    if (!motor::DentroDelContrato(NPeriodos, TS)) return;
    double mejor = motor::MejorInicial;
    MetodoElegido = LotificacionLoteALote;
    ResolucionConjunta resolucion(NPeriodos, TS, SS, CE, CP, Redondear, Tabla);
    // The winner's plan is kept rather than solved again: the methods are deterministic, so
    // solving it afresh from the same input would give the same rows.
    motor::FilasDelPlan ganador;
    bool hayGanador = false;
    for (const TipoLotificacion m : MetodosComparados) {
        const double total = resolucion.Resolver(m);
        Obs.TotalComparado(m, total, total < mejor);
        // Strictly lower only: on equal totals the lowest code keeps the choice.
        if (total < mejor) {
            mejor = total;
            MetodoElegido = m;
            ganador.Guardar(Tabla, NPeriodos);
            hayGanador = true;
        }
    }
    if (hayGanador) {
        ganador.Poner(Tabla, NPeriodos);
    } else { // nothing below the starting value: lot-for-lot is the choice
        resolucion.Reponer();
        LoteALote(NPeriodos, TS, SS, CE, CP, Tabla);
    }
}

template void MejorMetodo<ObservadorNulo>(std::int32_t, std::int32_t, double, double, double, bool,
                                          TTablaMRP&, std::int32_t&, ObservadorNulo);
template void MejorMetodo<ObservadorRegistro>(std::int32_t, std::int32_t, double, double, double,
                                              bool, TTablaMRP&, std::int32_t&, ObservadorRegistro);
