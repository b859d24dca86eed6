// The explanation's texts: one writer per kind of method, reading only the records.
#include "TextosExplicacion.h"

#include "LecturaNumeros.h"
#include "Numeros.h"
#include "TextosLotificacion.h"

#include <functional>

namespace {

using Bloques = std::vector<BloqueExplicacion>;

QString N(double valor) {
    return FloatToStr(valor);
}

QString E(int valor) {
    return QString::number(valor);
}

QString Periodos(int n) {
    return n == 1 ? QStringLiteral("1 periodo") : QStringLiteral("%1 periodos").arg(n);
}

// "3", "3 y 5", "3, 5 y 7".
QString Enumeracion(const QStringList& elementos) {
    if (elementos.size() < 2) return elementos.join(QString());
    return elementos.mid(0, elementos.size() - 1).join(QStringLiteral(", ")) +
           QStringLiteral(" y ") + elementos.last();
}

// "el periodo 2", "los periodos 2 a 5".
QString Tramo(int desde, int hasta) {
    if (desde == hasta) return QStringLiteral("el periodo %1").arg(desde);
    return QStringLiteral("los periodos %1 a %2").arg(desde).arg(hasta);
}

QString Ventana(int desde, int hasta) {
    return desde == hasta ? E(desde) : QStringLiteral("%1–%2").arg(desde).arg(hasta);
}

QString PlazoDeEmision(int TS) {
    return TS == 0 ? QStringLiteral("en ese mismo periodo")
                   : Periodos(TS) + QStringLiteral(" antes (el plazo de suministro)");
}

QString DemandaMedia(const DemandaExplicada& d) {
    return QStringLiteral("Demanda media: m = (NB[1] + … + NB[N]) / N = ") + N(d.Media) +
           QStringLiteral(".");
}

QString LoteEconomico(const ProblemaNumerico& p, const DemandaExplicada& d) {
    return QStringLiteral("Cantidad económica: Q = √(2 × CE × m / CP) = √(2 × %1 × %2 / %3) = %4.")
        .arg(N(p.CE), N(d.Media), N(p.CP), N(d.Q));
}

// Lot-for-lot and EOQ: the periods with a net requirement, and the backlog of those within the
// lead time.
void PeriodosConNecesidad(const ExplicacionCalculo& e, BloqueExplicacion& bloque,
                          const std::function<QString(const PeriodoExplicado&)>& regla) {
    QStringList atrasados;
    for (const PeriodoExplicado& p : e.Periodos) {
        if (p.Neta == 0.0) continue;
        QStringList fila{E(p.Periodo), N(p.Neta)};
        if (regla) fila << (p.Emision != 0 ? regla(p) : QStringLiteral("dentro del plazo"));
        if (p.Emision != 0) {
            fila << N(p.Recibido) << E(p.Emision);
        } else {
            fila << QStringLiteral("—") << QStringLiteral("ninguna");
            atrasados << E(p.Periodo);
        }
        bloque.Filas.push_back(fila);
    }
    if (bloque.Filas.empty()) {
        bloque.Cabecera.clear();
        bloque.Notas << QStringLiteral("Ningún periodo tiene necesidad neta: no se pide nada.");
        return;
    }
    bloque.Notas << QStringLiteral("Los periodos sin necesidad neta no reciben nada.");
    if (atrasados.isEmpty()) return;
    bloque.Notas << (atrasados.size() == 1
                         ? QStringLiteral("El periodo %1 está dentro del plazo de suministro: lo "
                                          "que necesita no puede recibirse a tiempo,")
                         : QStringLiteral("Los periodos %1 están dentro del plazo de suministro: "
                                          "lo que necesitan no puede recibirse a tiempo,"))
                            .arg(Enumeracion(atrasados)) +
                        QStringLiteral(" queda como atraso (stock negativo) y se suma a la "
                                       "necesidad del primer periodo que recibe.");
}

void LoteALote(const ResultadoCalculo& c, Bloques& bloques) {
    BloqueExplicacion bloque;
    bloque.Titulo = TextoLotificacion(LotificacionLoteALote);
    bloque.Parrafos << QStringLiteral("Cada necesidad neta se recibe en su propio periodo y se "
                                      "emite ") +
                           PlazoDeEmision(c.Problema.TS) + QStringLiteral(".");
    bloque.Cabecera = {QStringLiteral("Periodo"), QStringLiteral("Necesidad neta"),
                       QStringLiteral("Recepción"), QStringLiteral("Emisión en")};
    PeriodosConNecesidad(c.Explicacion, bloque, {});
    bloques.push_back(std::move(bloque));
}

void EOQ(const ResultadoCalculo& c, Bloques& bloques) {
    const ExplicacionCalculo& e = c.Explicacion;
    if (!e.Demanda || !e.LoteEconomico) return;
    const double Q = *e.LoteEconomico;
    BloqueExplicacion cantidad;
    cantidad.Titulo = QStringLiteral("EOQ: cantidad económica de pedido");
    cantidad.Parrafos << DemandaMedia(*e.Demanda) << LoteEconomico(c.Problema, *e.Demanda);
    cantidad.Parrafos << (c.Problema.Redondear
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
                          PlazoDeEmision(c.Problema.TS) +
                          QStringLiteral(". Lo que sobra queda en stock y reduce la necesidad "
                                         "neta de los periodos siguientes.");
    lotes.Cabecera = {QStringLiteral("Periodo"), QStringLiteral("Necesidad neta"),
                      QStringLiteral("Se pide"), QStringLiteral("Lote"),
                      QStringLiteral("Emisión en")};
    PeriodosConNecesidad(e, lotes, [Q](const PeriodoExplicado& p) {
        return p.Recibido == Q ? QStringLiteral("Q") : QStringLiteral("NN, mayor que Q");
    });
    bloques.push_back(std::move(lotes));
}

void POQ(const ResultadoCalculo& c, Bloques& bloques) {
    const ExplicacionCalculo& e = c.Explicacion;
    if (!e.Demanda || !e.Intervalo) return;
    const IntervaloExplicado& i = *e.Intervalo;
    BloqueExplicacion intervalo;
    intervalo.Titulo = QStringLiteral("POQ: intervalo de pedido");
    intervalo.Parrafos << DemandaMedia(*e.Demanda) << LoteEconomico(c.Problema, *e.Demanda)
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
    if (e.PrimeraEmision.value_or(0) == 0) {
        ventanas.Parrafos << QStringLiteral("Lote a lote no emite nada: no hay emisiones que "
                                            "agrupar.");
        bloques.push_back(std::move(ventanas));
        return;
    }
    ventanas.Parrafos << QStringLiteral("Se parte del plan de lote a lote, cuya primera emisión "
                                        "está en el periodo s = %1. Desde s, sus emisiones se "
                                        "agrupan en ventanas fijas de ")
                                 .arg(*e.PrimeraEmision) +
                             Periodos(i.P) +
                             QStringLiteral(", y cada ventana se emite entera en su primer "
                                            "periodo.");
    ventanas.Cabecera = {QStringLiteral("Ventana"), QStringLiteral("Emisiones de lote a lote"),
                         QStringLiteral("Emisión agrupada"), QStringLiteral("Emitida en")};
    for (const VentanaExplicada& v : e.Ventanas) {
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

QString Criterio(TipoLotificacion metodo) {
    switch (metodo) {
    case LotificacionMinimoCosteTotal:
        return QStringLiteral("Criterio: v = |CE − H|, la distancia entre el coste de posesión del "
                              "lote y el de emisión.");
    case LotificacionMinimoCosteUnitario:
        return QStringLiteral("Criterio: v = (CE + H) / NN[j], el coste de emisión y posesión por "
                              "unidad del lote.");
    default:
        return QStringLiteral("Criterio: v = (CE + H) / (j − k + 1), el coste de emisión y "
                              "posesión por periodo cubierto.");
    }
}

QString Decision(const CandidatoExplicado& candidato, int bj, int mejorHastaAhora) {
    switch (candidato.Estado) {
    case Candidatura::Mejor:
        return candidato.j == bj ? QStringLiteral("Nuevo mejor: elegido")
                                 : QStringLiteral("Nuevo mejor");
    case Candidatura::Empate:
        return QStringLiteral("Igual al mejor: sigue j = %1").arg(mejorHastaAhora);
    case Candidatura::Peor:
        return QStringLiteral("Mayor que el mejor");
    case Candidatura::Parada:
        return QStringLiteral("Mayor que el mejor: se detiene");
    }
    return {};
}

BloqueExplicacion LotePorCoste(int numero, const LoteExplicado& lote) {
    BloqueExplicacion bloque;
    bloque.Titulo =
        QStringLiteral("Lote %1: recibido en el periodo k = %2").arg(numero).arg(lote.k);
    bloque.Cabecera = {QStringLiteral("j"), QStringLiteral("r"), QStringLiteral("H"),
                       QStringLiteral("v"), QStringLiteral("Decisión")};
    int mejorJ = lote.k;
    double mejorV = 0;
    for (const CandidatoExplicado& candidato : lote.Candidatos) {
        bloque.Filas.push_back({E(candidato.j), N(candidato.r), N(candidato.H), N(candidato.v),
                                Decision(candidato, lote.bj, mejorJ)});
        bloque.Destacadas.push_back(candidato.Estado == Candidatura::Mejor &&
                                    candidato.j == lote.bj);
        if (candidato.Estado == Candidatura::Mejor) {
            mejorJ = candidato.j;
            mejorV = candidato.v;
        }
    }
    if (!lote.Candidatos.empty() && lote.Candidatos.back().Estado == Candidatura::Parada)
        bloque.Notas << QStringLiteral("La búsqueda se detiene en j = %1: su valor, %2, es mayor "
                                       "que el mejor, %3.")
                            .arg(lote.Candidatos.back().j)
                            .arg(N(lote.Candidatos.back().v), N(mejorV));
    else if (!lote.Candidatos.empty())
        bloque.Notas << QStringLiteral("La búsqueda llega al final del horizonte (j = %1).")
                            .arg(lote.Candidatos.back().j);
    if (lote.Emision != 0)
        bloque.Notas << QStringLiteral("Se elige bj = %1: un lote de %2 que cubre %3, recibido en "
                                       "el periodo %4 y emitido en el periodo %5.")
                            .arg(lote.bj)
                            .arg(N(lote.Cantidad), Tramo(lote.k, lote.bj))
                            .arg(lote.k)
                            .arg(lote.Emision);
    else
        bloque.Notas << QStringLiteral("Se elige bj = %1, pero el lote se recibiría en el periodo "
                                       "%2, dentro del plazo de suministro: no puede emitirse. "
                                       "Esa necesidad queda como atraso y la cubre el siguiente "
                                       "lote que se emita.")
                            .arg(lote.bj)
                            .arg(lote.k);
    return bloque;
}

void PorCoste(const ResultadoCalculo& c, TipoLotificacion metodo, Bloques& bloques) {
    BloqueExplicacion criterio;
    criterio.Titulo = TextoLotificacion(metodo);
    criterio.Parrafos
        << QStringLiteral("Cada lote se recibe en k, el primer periodo que aún tiene necesidad "
                          "neta, y se prueba como último periodo que cubre cada j desde k: r es "
                          "lo que añade el periodo j (NN[j] − NN[j−1]; NN[k] para j = k) y H, el "
                          "coste de posesión del lote si cubre de k a j: H = H anterior + "
                          "(j − k) × CP × r.")
        << Criterio(metodo)
        << (metodo == LotificacionSilverMeal
                ? QStringLiteral("Solo un valor menor que el mejor lo sustituye; en un empate "
                                 "sigue el anterior. Silver-Meal no se detiene: prueba todos los "
                                 "candidatos hasta el final del horizonte.")
                : QStringLiteral("Solo un valor menor que el mejor lo sustituye; en un empate "
                                 "sigue el anterior. La búsqueda se detiene en el primer "
                                 "candidato cuyo valor es mayor que el mejor."));
    if (c.Explicacion.Lotes.empty())
        criterio.Notas << QStringLiteral("Ningún periodo tiene necesidad neta: no hay lotes.");
    bloques.push_back(std::move(criterio));
    int numero = 0;
    for (const LoteExplicado& lote : c.Explicacion.Lotes)
        bloques.push_back(LotePorCoste(++numero, lote));
}

void Optimo(const ResultadoCalculo& c, Bloques& bloques) {
    const ExplicacionCalculo& e = c.Explicacion;
    BloqueExplicacion costes;
    costes.Titulo = TextoLotificacion(LotificacionOptimo);
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
    if (e.CostesDesde.empty()) {
        costes.Notas << QStringLiteral("Ninguna necesidad neta puede recibirse después del plazo "
                                       "de suministro: el plan no pide nada.");
        bloques.push_back(std::move(costes));
        return;
    }
    costes.Cabecera = {QStringLiteral("Inicio"), QStringLiteral("Coste mínimo hasta el final"),
                       QStringLiteral("Fin del lote que empieza"), QStringLiteral("En el plan")};
    for (const CosteDesdeExplicado& desde : e.CostesDesde) {
        bool usado = false;
        for (const LoteOptimoExplicado& lote : e.LotesOptimos)
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
    for (const LoteOptimoExplicado& lote : e.LotesOptimos)
        lotes.Filas.push_back({E(lote.Recepcion), E(lote.Emision),
                               Ventana(lote.Recepcion, lote.Fin), N(lote.Cantidad)});
    bloques.push_back(std::move(lotes));
}

void Metodo(const ResultadoCalculo& c, TipoLotificacion metodo, Bloques& bloques);

void Mejor(const ResultadoCalculo& c, Bloques& bloques) {
    const ExplicacionCalculo& e = c.Explicacion;
    BloqueExplicacion bloque;
    bloque.Titulo = TextoLotificacion(LotificacionMejor);
    bloque.Parrafos << QStringLiteral("Se resuelve el problema con cada método, todos desde los "
                                      "mismos datos, y se compara el coste total de sus planes. "
                                      "Solo un total menor que el mejor lo sustituye, así que en "
                                      "un empate gana el método que va antes en la lista.");
    bloque.Cabecera = {QStringLiteral("Método"), QStringLiteral("Coste total"),
                       QStringLiteral("Decisión")};
    TipoLotificacion mejor = -1;
    double total = 0;
    for (const TotalExplicado& t : e.Totales) {
        QString decision;
        if (t.Elegido)
            decision = t.Metodo == e.Metodo ? QStringLiteral("Nuevo mejor: elegido")
                                            : QStringLiteral("Nuevo mejor");
        else if (mejor >= 0 && t.Total == total)
            decision = QStringLiteral("Igual al mejor: sigue ") + TextoLotificacion(mejor);
        else
            decision = QStringLiteral("Mayor que el mejor");
        bloque.Filas.push_back({TextoLotificacion(t.Metodo), N(t.Total), decision});
        bloque.Destacadas.push_back(t.Elegido && t.Metodo == e.Metodo);
        if (t.Elegido) {
            mejor = t.Metodo;
            total = t.Total;
        }
    }
    if (mejor < 0) {
        bloque.Notas << QStringLiteral("Ningún total queda por debajo del valor inicial, "
                                       "99999999999: se elige ") +
                            TextoLotificacion(e.Metodo) + QStringLiteral(".");
    } else {
        bloque.Notas << QStringLiteral("Gana %1, con el coste total más bajo: %2.")
                            .arg(TextoLotificacion(mejor), N(total));
        QStringList empatados;
        for (const TotalExplicado& t : e.Totales)
            if (!t.Elegido && t.Metodo > mejor && t.Total == total)
                empatados << TextoLotificacion(t.Metodo);
        if (!empatados.isEmpty())
            bloque.Notas << (empatados.size() == 1 ? QStringLiteral("%1 cuesta")
                                                   : QStringLiteral("%1 cuestan"))
                                    .arg(Enumeracion(empatados)) +
                                QStringLiteral(" lo mismo, pero %1 va antes en la lista.")
                                    .arg(TextoLotificacion(mejor));
    }
    bloque.Notas << QStringLiteral("A continuación, cómo obtiene %1 su plan.")
                        .arg(TextoLotificacion(e.Metodo));
    bloques.push_back(std::move(bloque));
    Metodo(c, e.Metodo, bloques);
}

void Metodo(const ResultadoCalculo& c, TipoLotificacion metodo, Bloques& bloques) {
    switch (metodo) {
    case LotificacionLoteALote:
        LoteALote(c, bloques);
        break;
    case LotificacionEOQ:
        EOQ(c, bloques);
        break;
    case LotificacionPOQ:
        POQ(c, bloques);
        break;
    case LotificacionMinimoCosteTotal:
    case LotificacionMinimoCosteUnitario:
    case LotificacionSilverMeal:
        PorCoste(c, metodo, bloques);
        break;
    case LotificacionOptimo:
        Optimo(c, bloques);
        break;
    default:
        break;
    }
}

void Manual(const ResultadoCalculo& c, Bloques& bloques) {
    BloqueExplicacion bloque;
    bloque.Titulo = QStringLiteral("Cálculo manual");
    bloque.Parrafos << QStringLiteral("Las emisiones escritas en la fila PPL se reciben ") +
                           (c.Problema.TS == 0
                                ? QStringLiteral("en su mismo periodo")
                                : Periodos(c.Problema.TS) + QStringLiteral(" después (el plazo de "
                                                                           "suministro)")) +
                           QStringLiteral(". Una emisión que se recibiría después del periodo "
                                          "%1 se cobra como pedido, pero no se recibe.")
                               .arg(c.Problema.N);
    if (c.Explicacion.Emisiones.empty()) {
        bloque.Notas << QStringLiteral("La fila PPL no tiene emisiones: no se recibe nada.");
    } else {
        bloque.Cabecera = {QStringLiteral("Emisión en"), QStringLiteral("Cantidad"),
                           QStringLiteral("Recepción en")};
        for (const EmisionManualExplicada& emision : c.Explicacion.Emisiones)
            bloque.Filas.push_back({E(emision.Emision), N(emision.Cantidad),
                                    emision.Recepcion != 0
                                        ? E(emision.Recepcion)
                                        : QStringLiteral("después del horizonte: no se recibe")});
    }
    bloques.push_back(std::move(bloque));
}

BloqueExplicacion Datos(const ResultadoCalculo& c) {
    const ProblemaNumerico& p = c.Problema;
    BloqueExplicacion bloque;
    bloque.Titulo = QStringLiteral("Datos");
    const QString lotificacion = p.Tipo == TipoCalculo::Manual ? QStringLiteral("Cálculo manual")
                                                               : TextoLotificacion(p.Metodo);
    bloque.Parrafos << QStringLiteral("Lotificación: ") +
                           (lotificacion.isEmpty() ? QStringLiteral("ninguna") : lotificacion);
    QString datos = QStringLiteral("N = %1, TS = %2, SS = %3, CE = %4, CP = %5")
                        .arg(p.N)
                        .arg(p.TS)
                        .arg(N(p.SS), N(p.CE), N(p.CP));
    if (p.Tipo == TipoCalculo::Seleccionado &&
        (p.Metodo == LotificacionEOQ || p.Metodo == LotificacionMejor))
        datos +=
            p.Redondear ? QStringLiteral(", con «Redondear»") : QStringLiteral(", sin «Redondear»");
    bloque.Parrafos << datos + QStringLiteral(".");
    return bloque;
}

bool EsCifra(const QString& texto) {
    try {
        StrToFloat(texto);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// A column is of figures when every row holds one in it.
void Alinear(BloqueExplicacion& bloque) {
    for (qsizetype c = 0; c < bloque.Cabecera.size(); ++c) {
        bool cifras = true;
        for (const QStringList& fila : bloque.Filas) cifras = cifras && EsCifra(fila.value(c));
        bloque.DeTexto.push_back(!cifras);
    }
}

} // namespace

std::vector<BloqueExplicacion> TextosExplicacion(const ResultadoCalculo& calculo) {
    Bloques bloques{Datos(calculo)};
    const auto parrafo = [&bloques](const QString& titulo, const QString& texto) {
        BloqueExplicacion bloque;
        bloque.Titulo = titulo;
        bloque.Parrafos << texto;
        bloques.push_back(std::move(bloque));
    };
    if (calculo.Problema.Tipo == TipoCalculo::Manual) {
        Manual(calculo, bloques);
    } else if (!BuscarMetodo(calculo.Problema.Metodo)) {
        parrafo(QString(), QStringLiteral("No hay ningún método seleccionado: no se ha "
                                          "planificado nada."));
        return bloques;
    } else if (calculo.Problema.Metodo == LotificacionMejor) {
        Mejor(calculo, bloques);
    } else {
        Metodo(calculo, calculo.Problema.Metodo, bloques);
    }
    parrafo(QStringLiteral("Resultado"),
            QStringLiteral("Coste total del plan: %1.").arg(N(calculo.CosteTotal())));
    for (BloqueExplicacion& bloque : bloques) Alinear(bloque);
    return bloques;
}

QStringList LineasTabuladas(const std::vector<BloqueExplicacion>& bloques) {
    QStringList lineas;
    for (const BloqueExplicacion& bloque : bloques) {
        if (!lineas.isEmpty()) lineas << QString();
        if (!bloque.Titulo.isEmpty()) lineas << bloque.Titulo;
        lineas << bloque.Parrafos;
        if (!bloque.Cabecera.isEmpty()) {
            lineas << bloque.Cabecera.join(u'\t');
            for (const QStringList& fila : bloque.Filas) lineas << fila.join(u'\t');
        }
        lineas << bloque.Notas;
    }
    return lineas;
}
