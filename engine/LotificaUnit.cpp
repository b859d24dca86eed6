// The engine's entry point: the dispatch on the method code, through the method table.
#include "LotificaUnit.h"

#include "MotorInterno.h"

void Lotificar(TipoLotificacion Metodo, const TParametrosMRP& P, TTablaMRP& Tabla,
               std::int32_t& MetodoElegido) {
    if (!motor::DentroDelContrato(P.N, P.TS)) return;
    if (const MetodoLotificacion* metodo = BuscarMetodo(Metodo))
        metodo->Rutina(P, Tabla, MetodoElegido, nullptr);
}

void Lotificar(TipoLotificacion Metodo, const TParametrosMRP& P, TTablaMRP& Tabla,
               std::int32_t& MetodoElegido, ObservadorLotificacion& Observador) {
    if (!motor::DentroDelContrato(P.N, P.TS)) return;
    if (const MetodoLotificacion* metodo = BuscarMetodo(Metodo))
        metodo->Observada(P, Tabla, MetodoElegido, Observador);
}
