// The three cost criteria, explained.
#include "ExplicacionPorCoste.h"

#include "Redaccion.h"
#include "TextosLotificacion.h"

using namespace redaccion;

namespace {

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

BloqueExplicacion LotePorCoste(const Cifras& N, int numero, const LoteExplicado& lote) {
    BloqueExplicacion bloque;
    bloque.Titulo =
        QStringLiteral("Lote %1: recibido en el periodo k = %2").arg(numero).arg(lote.k);
    bloque.Cabecera = {QStringLiteral("j"), QStringLiteral("r"), QStringLiteral("H"),
                       QStringLiteral("v"), QStringLiteral("Decisión")};
    int mejorJ = lote.k;
    double mejorV = 0;
    std::size_t elegido = lote.Candidatos.size();
    for (const CandidatoExplicado& candidato : lote.Candidatos) {
        if (candidato.Estado == Candidatura::Mejor && candidato.j == lote.bj)
            elegido = bloque.Filas.size();
        bloque.Filas.push_back({E(candidato.j), N(candidato.r), N(candidato.H), N(candidato.v),
                                Decision(candidato, lote.bj, mejorJ)});
        bloque.Destacadas.push_back(candidato.Estado == Candidatura::Mejor &&
                                    candidato.j == lote.bj);
        if (candidato.Estado == Candidatura::Mejor) {
            mejorJ = candidato.j;
            mejorV = candidato.v;
        }
    }
    // The report keeps the rows up to the chosen one and the stop: none in between is better.
    const bool parada =
        !lote.Candidatos.empty() && lote.Candidatos.back().Estado == Candidatura::Parada;
    const std::size_t hasta = lote.Candidatos.size() - (parada ? 1 : 0);
    if (elegido < lote.Candidatos.size() && hasta >= elegido + 3)
        bloque.Omitibles.push_back(
            {elegido + 1, hasta,
             QStringLiteral("… %1 candidatos más, ninguno mejor (j = %2 a %3)")
                 .arg(hasta - elegido - 1)
                 .arg(lote.Candidatos[elegido + 1].j)
                 .arg(lote.Candidatos[hasta - 1].j)});
    if (parada)
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

} // namespace

void ExplicacionPorCoste::Oir(const SucesoOido& suceso) {
    if (const auto* busqueda = suceso.Como<SucesoBusqueda>()) {
        ParaAlSubir = busqueda->ParaAlSubir;
    } else if (const auto* nuevo = suceso.Como<SucesoLote>()) {
        Lotes.push_back({nuevo->k, {}, nuevo->k, 0.0, 0});
    } else if (const auto* candidato = suceso.Como<SucesoCandidato>()) {
        Lotes.back().Candidatos.push_back(*candidato);
    } else if (const auto* elegido = suceso.Como<SucesoLoteElegido>()) {
        LoteExplicado& lote = Lotes.back();
        lote.bj = elegido->bj;
        lote.Cantidad = elegido->Cantidad;
        lote.Emision = elegido->Emision;
    }
}

void ExplicacionPorCoste::Redactar(const Articulo& /*articulo*/, TipoLotificacion metodo,
                                   const Cifras& N, Bloques& bloques) const {
    BloqueExplicacion criterio;
    criterio.Titulo = TextoLotificacion(metodo);
    criterio.Parrafos
        << QStringLiteral("Cada lote se recibe en k, el primer periodo que aún tiene necesidad "
                          "neta, y se prueba como último periodo que cubre cada j desde k: r es "
                          "lo que añade el periodo j (NN[j] − NN[j−1]; NN[k] para j = k) y H, el "
                          "coste de posesión del lote si cubre de k a j: H = H anterior + "
                          "(j − k) × CP × r.")
        << Criterio(metodo)
        << (ParaAlSubir
                ? QStringLiteral("Solo un valor menor que el mejor lo sustituye; en un empate "
                                 "sigue el anterior. La búsqueda se detiene en el primer "
                                 "candidato cuyo valor es mayor que el mejor.")
                : QStringLiteral("Solo un valor menor que el mejor lo sustituye; en un empate "
                                 "sigue el anterior. %1 no se detiene: prueba todos los "
                                 "candidatos hasta el final del horizonte.")
                      .arg(EtiquetaLotificacion(metodo)));
    if (Lotes.empty())
        criterio.Notas << QStringLiteral("Ningún periodo tiene necesidad neta: no hay lotes.");
    bloques.push_back(std::move(criterio));
    int numero = 0;
    for (const LoteExplicado& lote : Lotes) bloques.push_back(LotePorCoste(N, ++numero, lote));
}
