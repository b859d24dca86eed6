// The optimum, explained.
#include "ExplicacionOptimo.h"

#include "Redaccion.h"
#include "TextosLotificacion.h"

using namespace redaccion;

// The costs on are heard from the last start back.
void ExplicacionOptimo::Oir(const SucesoOido& suceso) {
    if (const auto* desde = suceso.Como<SucesoCosteDesde>())
        CostesDesde.insert(CostesDesde.begin(), *desde);
    else if (const auto* lote = suceso.Como<SucesoLoteOptimo>())
        LotesOptimos.push_back(*lote);
}

void ExplicacionOptimo::Redactar(const Articulo& /*articulo*/, TipoLotificacion metodo,
                                 Bloques& bloques) const {
    BloqueExplicacion costes;
    costes.Titulo = TextoLotificacion(metodo);
    costes.Parrafos
        << QStringLiteral("Un lote puede empezar en cada periodo, después del plazo de suministro, "
                          "en que crece la necesidad neta acumulada. Desde el último de esos "
                          "periodos hacia atrás, se calcula para cada uno el coste mínimo de "
                          "cubrir el resto del horizonte: el menor, entre los finales posibles "
                          "del lote que empieza allí, de CE más el coste de posesión de lo que "
                          "ese lote guarda para periodos posteriores más el coste mínimo desde el "
                          "inicio siguiente.")
        << QStringLiteral("No cuenta la posesión que todos los planes pagan por igual, como la "
                          "del stock inicial.");
    if (CostesDesde.empty()) {
        costes.Notas << QStringLiteral("Ninguna necesidad neta puede recibirse después del plazo "
                                       "de suministro: el plan no pide nada.");
        bloques.push_back(std::move(costes));
        return;
    }
    costes.Cabecera = {QStringLiteral("Inicio"), QStringLiteral("Coste mínimo hasta el final"),
                       QStringLiteral("Fin del lote que empieza"), QStringLiteral("En el plan")};
    for (const CosteDesdeExplicado& desde : CostesDesde) {
        bool usado = false;
        for (const LoteOptimoExplicado& lote : LotesOptimos)
            usado = usado || lote.Recepcion == desde.Periodo;
        costes.Filas.push_back({E(desde.Periodo), N(desde.Coste), E(desde.Fin),
                                usado ? QStringLiteral("sí") : QStringLiteral("no")});
        costes.Destacadas.push_back(usado);
    }
    bloques.push_back(std::move(costes));

    BloqueExplicacion lotes;
    lotes.Titulo = QStringLiteral("Lotes del plan óptimo");
    lotes.Parrafos << QStringLiteral("Desde el primer inicio, cada lote llega hasta el fin elegido "
                                     "y el siguiente empieza después.");
    lotes.Cabecera = {QStringLiteral("Recepción"), QStringLiteral("Emisión en"),
                      QStringLiteral("Cubre"), QStringLiteral("Cantidad")};
    for (const LoteOptimoExplicado& lote : LotesOptimos)
        lotes.Filas.push_back({E(lote.Recepcion), E(lote.Emision),
                               Ventana(lote.Recepcion, lote.Fin), N(lote.Cantidad)});
    bloques.push_back(std::move(lotes));
}
