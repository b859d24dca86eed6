// The report of a run as the experiments window's memo shows it.
#include "Informe.h"

#include "Numeros.h"

#include <array>
#include <cfloat>
#include <cmath>

namespace {

// The method's label, padded to 15 characters so the columns line up in the memo.
QString Etiqueta(TipoLotificacion metodo) {
    const std::string_view etiqueta = BuscarMetodo(metodo)->Etiqueta;
    return QString::fromUtf8(etiqueta.data(), qsizetype(etiqueta.size()));
}

// A fraction as a whole percentage, halves to even, "%" without a space.
QString Porcentaje(double fraccion) {
    const long double valor = RedondearPar(100.0L * fraccion);
    if (std::fabs(valor) < 1e18L) return QString::number(static_cast<qint64>(valor)) + u'%';
    // Beyond any integer type: still a number rather than a failure after a finished run.
    const long double limite = DBL_MAX;
    return FormatoGeneral(static_cast<double>(std::fmax(-limite, std::fmin(valor, limite))), 15) +
           u'%';
}

} // namespace

QStringList LineasInforme(const QString& textoNExp, double segundos,
                          const TEstadisticas& estadisticas) {
    QStringList lineas;
    lineas << QStringLiteral("Nº de experimentos: ") + textoNExp +
                  QStringLiteral(" Tiempo requerido: ") + FormatoFijo(segundos, 8, 2) +
                  QStringLiteral(" segundos");
    lineas << QStringLiteral("Técnica        \tNº Mejor\tNº Peor\tCoste ac\tDesv. med\tMax desv.");
    for (std::size_t m = 0; m < estadisticas.size(); ++m) {
        const TEstadisticaMetodo& e = estadisticas[m];
        lineas << Etiqueta(MetodosComparados[m]) + u'\t' + QString::number(e.NMejor) + u'\t' +
                      QString::number(e.NPeor) + u'\t' + FormatoMoneda(e.CosteAc, 10, 0) + u'\t' +
                      Porcentaje(e.DesvMed) + u'\t' + Porcentaje(e.MaxDesv);
    }
    return lineas;
}

QStringList LineasInformeOptimo(const TEstadisticasOptimo& estadisticas) {
    QStringList lineas;
    lineas << Etiqueta(LotificacionOptimo) + QStringLiteral("\tNº Óptimo\tDesv. med\tMax desv.");
    for (std::size_t m = 0; m < estadisticas.size(); ++m) {
        const TEstadisticaOptimo& e = estadisticas[m];
        lineas << Etiqueta(MetodosComparados[m]) + u'\t' + QString::number(e.NOptimo) + u'\t' +
                      Porcentaje(e.DesvMed) + u'\t' + Porcentaje(e.MaxDesv);
    }
    return lineas;
}
