// The engine's entry point: the dispatch on the method code, through the method table.
#include "LotificaUnit.h"

#include "MotorInterno.h"

void Lotificar(TipoLotificacion Metodo, std::int32_t NPeriodos, std::int32_t TS, double SS,
               double CE, double CP, bool Redondear, TTablaMRP& Tabla,
               std::int32_t& MetodoElegido) {
    if (!motor::DentroDelContrato(NPeriodos, TS)) return;
    if (const MetodoLotificacion* metodo = BuscarMetodo(Metodo))
        metodo->Rutina(NPeriodos, TS, SS, CE, CP, Redondear, Tabla, MetodoElegido, nullptr);
}

void Lotificar(TipoLotificacion Metodo, std::int32_t NPeriodos, std::int32_t TS, double SS,
               double CE, double CP, bool Redondear, TTablaMRP& Tabla, std::int32_t& MetodoElegido,
               ObservadorLotificacion& Observador) {
    if (!motor::DentroDelContrato(NPeriodos, TS)) return;
    if (const MetodoLotificacion* metodo = BuscarMetodo(Metodo))
        metodo->Observada(NPeriodos, TS, SS, CE, CP, Redondear, Tabla, MetodoElegido, Observador);
}
