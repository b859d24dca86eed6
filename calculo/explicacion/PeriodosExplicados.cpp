// The table of the periods netted by lot-for-lot and EOQ.
#include "PeriodosExplicados.h"

#include "Redaccion.h"

using namespace redaccion;

void PeriodosConNecesidad(const Cifras& N, const std::vector<PeriodoExplicado>& periodos,
                          BloqueExplicacion& bloque,
                          const std::function<QString(const PeriodoExplicado&)>& regla) {
    QStringList atrasados;
    for (const PeriodoExplicado& p : periodos) {
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
