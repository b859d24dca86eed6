// EOQ, explained.
#include "ExplicacionEOQ.h"

#include "Redaccion.h"

using namespace redaccion;

void ExplicacionEOQ::Oir(const SucesoOido& suceso) {
    if (const auto* demanda = suceso.Como<SucesoDemandaMedia>())
        Demanda = *demanda;
    else if (const auto* lote = suceso.Como<SucesoLoteEconomico>())
        LoteEconomico = lote->Q;
    else if (const auto* periodo = suceso.Como<SucesoPeriodo>())
        Periodos.push_back(*periodo);
}

void ExplicacionEOQ::Redactar(const Articulo& articulo, TipoLotificacion /*metodo*/,
                              const Cifras& N, Bloques& bloques) const {
    if (!Demanda || !LoteEconomico) return;
    const double Q = *LoteEconomico;
    BloqueExplicacion cantidad;
    cantidad.Titulo = QStringLiteral("EOQ: cantidad económica de pedido");
    cantidad.Parrafos << DemandaMedia(N, Demanda->Media)
                      << redaccion::LoteEconomico(N, articulo, Demanda->Media, Demanda->Q);
    cantidad.Parrafos << (articulo.Redondear
                              ? QStringLiteral("Con «Redondear», Q se redondea al entero más "
                                               "próximo (un medio, al par): Q = %1.")
                                    .arg(N(Q))
                              : QStringLiteral("Sin redondear: Q = %1.").arg(N(Q)));
    bloques.push_back(std::move(cantidad));

    BloqueExplicacion lotes;
    lotes.Titulo = QStringLiteral("EOQ: lotes");
    lotes.Parrafos << QStringLiteral("Cada periodo con necesidad neta recibe un lote de Q = %1, o "
                                     "su necesidad neta si es mayor que Q, y lo emite ")
                              .arg(N(Q)) +
                          PlazoDeEmision(articulo.TS) +
                          QStringLiteral(". Lo que sobra queda en stock y reduce la necesidad "
                                         "neta de los periodos siguientes.");
    lotes.Cabecera = {QStringLiteral("Periodo"), QStringLiteral("Necesidad neta"),
                      QStringLiteral("Se pide"), QStringLiteral("Lote"),
                      QStringLiteral("Emisión en")};
    PeriodosConNecesidad(N, Periodos, lotes, [Q](const PeriodoExplicado& p) {
        return p.Recibido == Q ? QStringLiteral("Q") : QStringLiteral("NN, mayor que Q");
    });
    bloques.push_back(std::move(lotes));
}
