// POQ, explained.
#include "ExplicacionPOQ.h"

#include "Redaccion.h"

using namespace redaccion;

void ExplicacionPOQ::Oir(const SucesoOido& suceso) {
    if (const auto* demanda = suceso.Como<SucesoDemandaMedia>()) {
        Demanda = *demanda;
    } else if (const auto* intervalo = suceso.Como<SucesoIntervalo>()) {
        Intervalo = *intervalo;
    } else if (const auto* primera = suceso.Como<SucesoPrimeraEmision>()) {
        PrimeraEmision = primera->Periodo;
    } else if (const auto* emision = suceso.Como<SucesoEmisionAgrupada>()) {
        if (emision->Cantidad != 0.0) agrupadas_.emplace_back(emision->Periodo, emision->Cantidad);
    } else if (const auto* ventana = suceso.Como<SucesoVentana>()) {
        Ventanas.push_back({ventana->Desde, ventana->Hasta, std::move(agrupadas_), ventana->Total});
        agrupadas_.clear();
    }
}

void ExplicacionPOQ::Redactar(const Articulo& articulo, TipoLotificacion /*metodo*/,
                              const Cifras& N, Bloques& bloques) const {
    if (!Demanda || !Intervalo) return;
    const SucesoIntervalo& i = *Intervalo;
    BloqueExplicacion intervalo;
    intervalo.Titulo = QStringLiteral("POQ: intervalo de pedido");
    intervalo.Parrafos << DemandaMedia(N, Demanda->Media)
                       << LoteEconomico(N, articulo, Demanda->Media, Demanda->Q)
                       << QStringLiteral("Q / m = %1.").arg(N(i.Cociente));
    if (i.Redondeado < 1.0)
        intervalo.Parrafos << QStringLiteral("Q / m redondeado al entero más próximo da %1: un "
                                             "intervalo así no avanzaría, de modo que se toma "
                                             "P = 1 periodo, que da el plan de lote a lote.")
                                  .arg(N(i.Redondeado));
    else if (i.Redondeado > i.P)
        intervalo.Parrafos << QStringLiteral(
                                  "Q / m redondeado al entero más próximo da %1, más que "
                                  "el horizonte: se toma P = %2, una sola ventana.")
                                  .arg(N(i.Redondeado))
                                  .arg(i.P);
    else
        intervalo.Parrafos << QStringLiteral(
                                  "P = Q / m redondeado al entero más próximo (un medio, "
                                  "al par) = ") +
                                  Periodos(i.P) + QStringLiteral(".");
    bloques.push_back(std::move(intervalo));

    BloqueExplicacion ventanas;
    ventanas.Titulo = QStringLiteral("POQ: ventanas");
    if (PrimeraEmision.value_or(0) == 0) {
        ventanas.Parrafos << QStringLiteral("Lote a lote no emite nada: no hay emisiones que "
                                            "agrupar.");
        bloques.push_back(std::move(ventanas));
        return;
    }
    ventanas.Parrafos << QStringLiteral("Se parte del plan de lote a lote, cuya primera emisión "
                                        "está en el periodo s = %1. Desde s, sus emisiones se "
                                        "agrupan en ventanas fijas de ")
                                 .arg(*PrimeraEmision) +
                             Periodos(i.P) +
                             QStringLiteral(", y cada ventana se emite entera en su primer "
                                            "periodo.");
    ventanas.Cabecera = {QStringLiteral("Ventana"), QStringLiteral("Emisiones de lote a lote"),
                         QStringLiteral("Emisión agrupada"), QStringLiteral("Emitida en")};
    for (const VentanaExplicada& v : Ventanas) {
        QStringList emisiones;
        for (const auto& [periodo, cantidad] : v.Emisiones)
            emisiones << QStringLiteral("%1 (periodo %2)").arg(N(cantidad)).arg(periodo);
        ventanas.Filas.push_back({Ventana(v.Desde, v.Hasta),
                                  emisiones.isEmpty() ? QStringLiteral("ninguna")
                                                      : emisiones.join(QStringLiteral(" + ")),
                                  N(v.Total), v.Total != 0.0 ? E(v.Desde) : QStringLiteral("—")});
    }
    bloques.push_back(std::move(ventanas));
}
