// The engine's entry point: the dispatch on the method code.
#include "LotificaUnit.h"

#include "MotorInterno.h"

void Lotificar(TipoLotificacion Metodo, std::int32_t NPeriodos, std::int32_t TS, double SS,
               double CE, double CP, bool Redondear, TTablaMRP& Tabla,
               std::int32_t& MetodoElegido) {
    if (!motor::DentroDelContrato(NPeriodos, TS)) return;
    switch (Metodo) {
    case LotificacionLoteALote:
        LoteALote(NPeriodos, TS, SS, CE, CP, Tabla);
        break;
    case LotificacionEOQ:
        LoteEOQ(NPeriodos, TS, SS, CE, CP, Redondear, Tabla);
        break;
    case LotificacionPOQ:
        LotePOQ(NPeriodos, TS, SS, CE, CP, Tabla);
        break;
    case LotificacionMinimoCosteTotal:
        MinimoCosteTotal(NPeriodos, TS, SS, CE, CP, Tabla);
        break;
    case LotificacionMinimoCosteUnitario:
        MinimoCosteUnitario(NPeriodos, TS, SS, CE, CP, Tabla);
        break;
    case LotificacionSilverMeal:
        SilverMeal(NPeriodos, TS, SS, CE, CP, Tabla);
        break;
    case LotificacionMejor:
        MejorMetodo(NPeriodos, TS, SS, CE, CP, Redondear, Tabla, MetodoElegido);
        break;
    default:
        break; // an unknown code changes nothing
    }
}
