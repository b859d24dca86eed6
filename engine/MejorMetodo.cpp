// The best of the methods: each compared method solved and priced from the same input, the
// cheapest plan left in the caller's table.
#include "MejorMetodo.h"

#include "FilasDelPlan.h"
#include "MasBarato.h"
#include "MetodosLotificacion.h"
#include "MotorInterno.h"
#include "ResolucionConjunta.h"

template <class Observador>
void MejorMetodo(const TParametrosMRP& P, TTablaMRP& Tabla, std::int32_t& MetodoElegido,
                 Observador Obs) {
    if (!motor::DentroDelContrato(P.N, P.TS)) return;
    double mejor = MejorInicial;
    MetodoElegido = LotificacionLoteALote;
    ResolucionConjunta resolucion(P, Tabla);
    // The winner's plan is kept rather than solved again: the methods are deterministic, so
    // solving it afresh from the same input would give the same rows.
    motor::FilasDelPlan ganador;
    bool hayGanador = false;
    for (const TipoLotificacion m : MetodosComparados) {
        const double total = resolucion.Resolver(m);
        const bool elegido = SustituyeAlMejor(total, mejor);
        Obs(SucesoTotalComparado{m, total, elegido});
        if (elegido) {
            mejor = total;
            MetodoElegido = m;
            ganador.Guardar(Tabla, P.N);
            hayGanador = true;
        }
    }
    if (hayGanador) {
        ganador.Poner(Tabla, P.N);
    } else { // nothing below the starting value: lot-for-lot is the choice
        resolucion.Reponer();
        LoteALote(P, Tabla);
    }
}

template void MejorMetodo<ObservadorNulo>(const TParametrosMRP&, TTablaMRP&, std::int32_t&,
                                          ObservadorNulo);
template void MejorMetodo<ObservadorRegistro>(const TParametrosMRP&, TTablaMRP&, std::int32_t&,
                                              ObservadorRegistro);
