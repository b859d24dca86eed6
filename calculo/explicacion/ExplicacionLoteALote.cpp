// Lot-for-lot, explained.
#include "ExplicacionLoteALote.h"

#include "Redaccion.h"
#include "TextosLotificacion.h"

void ExplicacionLoteALote::Oir(const SucesoOido& suceso) {
    if (const auto* periodo = suceso.Como<SucesoPeriodo>()) Periodos.push_back(*periodo);
}

void ExplicacionLoteALote::Redactar(const Articulo& articulo, TipoLotificacion metodo,
                                    const redaccion::Cifras& N, Bloques& bloques) const {
    BloqueExplicacion bloque;
    bloque.Titulo = TextoLotificacion(metodo);
    bloque.Parrafos << QStringLiteral("Cada necesidad neta se recibe en su propio periodo y se "
                                      "emite ") +
                           redaccion::PlazoDeEmision(articulo.TS) + QStringLiteral(".");
    bloque.Cabecera = {QStringLiteral("Periodo"), QStringLiteral("Necesidad neta"),
                       QStringLiteral("Recepción"), QStringLiteral("Emisión en")};
    PeriodosConNecesidad(N, Periodos, bloque, {});
    bloques.push_back(std::move(bloque));
}
