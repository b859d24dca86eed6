// The report of a run as the experiments window's memo shows it.
#include "Informe.h"

#include "Numeros.h"

#include <array>
#include <cfloat>
#include <cmath>

namespace {

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

QString Etiqueta(TipoLotificacion metodo) {
    const std::string_view etiqueta = BuscarMetodo(metodo)->Etiqueta;
    return QString::fromUtf8(etiqueta.data(), qsizetype(etiqueta.size()));
}

QStringList CabeceraInforme() {
    return {QStringLiteral("Técnica        "), QStringLiteral("Nº Mejor"),
            QStringLiteral("Nº Peor"),         QStringLiteral("Coste ac"),
            QStringLiteral("Desv. med"),       QStringLiteral("Max desv.")};
}

QStringList CabeceraInformeOptimo() {
    return {Etiqueta(LotificacionOptimo), QStringLiteral("Nº Óptimo"), QStringLiteral("Desv. med"),
            QStringLiteral("Max desv.")};
}

QStringList LineasInforme(const QString& textoNExp, double segundos,
                          const TEstadisticas& estadisticas) {
    QStringList lineas;
    lineas << QStringLiteral("Nº de experimentos: ") + textoNExp +
                  QStringLiteral(" Tiempo requerido: ") + FormatoFijo(segundos, 8, 2) +
                  QStringLiteral(" segundos");
    lineas << CabeceraInforme().join(u'\t');
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
    lineas << CabeceraInformeOptimo().join(u'\t');
    for (std::size_t m = 0; m < estadisticas.size(); ++m) {
        const TEstadisticaOptimo& e = estadisticas[m];
        lineas << Etiqueta(MetodosComparados[m]) + u'\t' + QString::number(e.NOptimo) + u'\t' +
                      Porcentaje(e.DesvMed) + u'\t' + Porcentaje(e.MaxDesv);
    }
    return lineas;
}
