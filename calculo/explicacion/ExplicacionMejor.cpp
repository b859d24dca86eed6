// "Mejor de las anteriores", explained.
#include "ExplicacionMejor.h"

#include "LotificaUnit.h"
#include "MasBarato.h"
#include "Redaccion.h"
#include "TextosLotificacion.h"

using namespace redaccion;

void ExplicacionMejor::Oir(const SucesoOido& suceso) {
    if (const auto* total = suceso.Como<SucesoTotalComparado>()) Totales.push_back(*total);
}

void ExplicacionMejor::Terminar(const Articulo& articulo, TipoLotificacion elegido) {
    Ganador = elegido;
    std::unique_ptr<ExplicacionMetodo> ganador = NuevaExplicacion(elegido);
    if (!ganador) return;
    TTablaMRP tabla = articulo.Entrada;
    std::int32_t otro = elegido;
    Lotificar(elegido, articulo, tabla, otro, *ganador);
    ganador->Terminar(articulo, elegido);
    GanadorConRoturas = DescartadoPorRoturas(articulo, tabla);
    DelGanador = std::move(ganador);
}

void ExplicacionMejor::Redactar(const Articulo& articulo, TipoLotificacion metodo, const Cifras& N,
                                Bloques& bloques) const {
    BloqueExplicacion bloque;
    bloque.Titulo = TextoLotificacion(metodo);
    bloque.Parrafos << QStringLiteral("Se resuelve el problema con cada método, todos desde los "
                                      "mismos datos, y se compara el coste total de sus planes. "
                                      "Solo un total menor que el mejor lo sustituye, así que en "
                                      "un empate gana el método que va antes en la lista.");
    bloque.Cabecera = {QStringLiteral("Método"), QStringLiteral("Coste total"),
                       QStringLiteral("Decisión")};
    TipoLotificacion mejor = -1;
    double total = 0;
    for (const TotalExplicado& t : Totales) {
        QString decision;
        if (t.Elegido)
            decision = t.Metodo == Ganador ? QStringLiteral("Nuevo mejor: elegido")
                                           : QStringLiteral("Nuevo mejor");
        else if (mejor >= 0 && t.Total == total)
            decision = QStringLiteral("Igual al mejor: sigue ") + TextoLotificacion(mejor);
        else
            decision = QStringLiteral("Mayor que el mejor");
        bloque.Filas.push_back({TextoLotificacion(t.Metodo), N(t.Total), decision});
        bloque.Destacadas.push_back(t.Elegido && t.Metodo == Ganador);
        if (t.Elegido) {
            mejor = t.Metodo;
            total = t.Total;
        }
    }
    if (mejor < 0) {
        bloque.Notas << QStringLiteral("Ningún total queda por debajo del valor inicial, %1: se "
                                       "elige ")
                                .arg(N(MejorInicial)) +
                            TextoLotificacion(Ganador) + QStringLiteral(".");
    } else {
        bloque.Notas << QStringLiteral("Gana %1, con el coste total más bajo: %2.")
                            .arg(TextoLotificacion(mejor), N(total));
        QStringList empatados;
        for (const TotalExplicado& t : Totales)
            if (!t.Elegido && t.Metodo > mejor && t.Total == total)
                empatados << TextoLotificacion(t.Metodo);
        if (!empatados.isEmpty())
            bloque.Notas << (empatados.size() == 1 ? QStringLiteral("%1 cuesta")
                                                   : QStringLiteral("%1 cuestan"))
                                    .arg(Enumeracion(empatados)) +
                                QStringLiteral(" lo mismo, pero %1 va antes en la lista.")
                                    .arg(TextoLotificacion(mejor));
    }
    if (GanadorConRoturas)
        bloque.Notas << QStringLiteral("Pero su plan tiene roturas después del plazo de "
                                       "suministro: el coste de posesión negativo de esos "
                                       "periodos rebaja su total sin ser un ahorro, y la "
                                       "comparación de métodos no lo cuenta como el más barato.");
    bloque.Notas << QStringLiteral("A continuación, cómo obtiene %1 su plan.")
                        .arg(TextoLotificacion(Ganador));
    bloques.push_back(std::move(bloque));
    if (DelGanador) DelGanador->Redactar(articulo, Ganador, N, bloques);
}
