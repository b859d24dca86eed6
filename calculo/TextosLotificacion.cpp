// The methods' texts from the method table, as the windows and the command-line tool show them.
#include "TextosLotificacion.h"

#include "ResultadoCalculo.h"

QString TextoLotificacion(TipoLotificacion metodo) {
    const MetodoLotificacion* encontrado = BuscarMetodo(metodo);
    if (!encontrado) return {};
    return QString::fromUtf8(encontrado->Texto.data(), qsizetype(encontrado->Texto.size()));
}

QString EtiquetaLotificacion(TipoLotificacion metodo) {
    const MetodoLotificacion* encontrado = BuscarMetodo(metodo);
    if (!encontrado) return {};
    return QString::fromUtf8(encontrado->Etiqueta.data(), qsizetype(encontrado->Etiqueta.size()))
        .trimmed();
}

QString TextoPlanCalculado(const ResultadoCalculo& calculo) {
    if (calculo.Tipo == TipoCalculo::Manual) return TextoCalculoManual;
    return TextoLotificacion(calculo.Metodo);
}

QString TextoLotificacionCalculada(const ResultadoCalculo& calculo) {
    const QString plan = TextoPlanCalculado(calculo);
    if (plan.isEmpty()) return QStringLiteral("Ninguna");
    if (calculo.Tipo == TipoCalculo::Seleccionado && calculo.Problema.Metodo != calculo.Metodo)
        return TextoLotificacion(calculo.Problema.Metodo) + QStringLiteral(": ") + plan;
    return plan;
}
