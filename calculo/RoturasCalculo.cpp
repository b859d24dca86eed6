// Shortages in words.
#include "RoturasCalculo.h"

#include "MasBarato.h"
#include "Numeros.h"

#include <QStringList>

std::vector<RoturaPeriodo> PeriodosConRotura(const TParametrosMRP& P, const TTablaMRP& Tabla) {
    const RoturasDelPlan roturas = Roturas(P, Tabla);
    std::vector<RoturaPeriodo> periodos;
    for (int p = 1; p <= std::min(P.N, MaxPeriodos); ++p)
        if (roturas.EnPeriodo[std::size_t(p)])
            periodos.push_back({p, -Tabla.D[p + 1], RoturaInevitable(p, P.TS)});
    return periodos;
}

std::vector<RoturaPeriodo> RoturasDelCalculo(const ResultadoCalculo& calculo) {
    return PeriodosConRotura(calculo.Problema, calculo.Tabla);
}

QString ListaPeriodos(const std::vector<int>& periodos) {
    QStringList tramos;
    for (std::size_t i = 0; i < periodos.size();) {
        std::size_t fin = i;
        while (fin + 1 < periodos.size() && periodos[fin + 1] == periodos[fin] + 1) ++fin;
        tramos << (fin == i ? QString::number(periodos[i])
                            : QStringLiteral("%1–%2").arg(periodos[i]).arg(periodos[fin]));
        i = fin + 1;
    }
    return tramos.join(QStringLiteral(", "));
}

QString MensajeRoturas(const std::vector<RoturaPeriodo>& roturas) {
    if (roturas.empty()) return {};
    std::vector<int> periodos;
    bool evitables = false;
    for (const RoturaPeriodo& r : roturas) {
        periodos.push_back(r.Periodo);
        evitables = evitables || !r.Inevitable;
    }
    QString mensaje = (periodos.size() == 1 ? QStringLiteral("Rotura en el período ")
                                            : QStringLiteral("Rotura en los períodos ")) +
                      ListaPeriodos(periodos) +
                      QStringLiteral(": su coste de posesión negativo no es un ahorro");
    if (!evitables) mensaje += QStringLiteral(" (dentro del plazo de suministro, inevitable)");
    return mensaje;
}

QString NotaRotura(const RoturaPeriodo& rotura) {
    QString nota = QStringLiteral("Rotura: el período %1 termina con %2 unidades por debajo de "
                                  "cero; su coste de posesión negativo no es un ahorro.")
                       .arg(rotura.Periodo)
                       .arg(CifraLegible(rotura.Falta));
    if (rotura.Inevitable)
        nota += QStringLiteral(" Está dentro del plazo de suministro: ningún plan puede evitarla.");
    return nota;
}
