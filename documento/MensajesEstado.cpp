// The status bar's texts.
#include "MensajesEstado.h"

#include "Numeros.h"
#include "TextosLotificacion.h"

#include <QDir>

namespace {

// "Copiada 1 celda", "Copiadas 6 celdas".
QString Celdas(const char* participio, int celdas) {
    const QString singular = QString::fromUtf8(participio);
    return celdas == 1 ? singular + QStringLiteral(" 1 celda")
                       : singular + QStringLiteral("s %1 celdas").arg(celdas);
}

QString Ruta(const QString& fichero) {
    return QDir::toNativeSeparators(fichero);
}

} // namespace

QString MensajeProblemaGuardado(const QString& fichero) {
    return QStringLiteral("Problema guardado en ") + Ruta(fichero);
}

QString MensajeSolucionGuardada(const QString& fichero) {
    return QStringLiteral("Solución guardada en ") + Ruta(fichero);
}

QString MensajeInformeGuardado(const QString& fichero) {
    return QStringLiteral("Informe guardado en ") + Ruta(fichero);
}

QString MensajeProblemaAbierto(const QString& fichero) {
    return QStringLiteral("Problema abierto: ") + Ruta(fichero);
}

QString MensajeHojaGuardada(const QString& fichero) {
    return QStringLiteral("Hoja de cálculo guardada en ") + Ruta(fichero);
}

QString MensajeNecesidadesImportadas(const QString& fichero, int periodos) {
    return QStringLiteral("Importadas las necesidades brutas de %1 %2 de %3")
        .arg(periodos)
        .arg(periodos == 1 ? QStringLiteral("período") : QStringLiteral("períodos"))
        .arg(Ruta(fichero));
}

QString MensajeImpreso() {
    return QStringLiteral("Rejilla enviada a la impresora");
}

QString MensajeCalculo(const std::optional<ResultadoCalculo>& calculo) {
    if (!calculo) return QStringLiteral("Problema nuevo");
    const QString plan = TextoPlanCalculado(*calculo);
    QString como;
    if (calculo->Tipo == TipoCalculo::Manual)
        como = plan;
    else if (!plan.isEmpty())
        como = QStringLiteral("Calculado con ") + plan;
    else
        como = QStringLiteral("Calculado sin método de lotificación");
    return como + QStringLiteral(": coste total ") + FloatToStr(calculo->CosteTotal());
}

QString MensajeCopiado(int celdas) {
    return Celdas("Copiada", celdas);
}

QString MensajePegado(const ResultadoPegado& pegado) {
    if (pegado.celdas == 0) return QStringLiteral("El portapapeles no tiene texto que pegar");
    const QString texto = Celdas("Pegada", pegado.celdas);
    if (pegado.fuera == 0) return texto;
    return texto + (pegado.fuera == 1
                        ? QStringLiteral("; 1 queda fuera de la rejilla")
                        : QStringLiteral("; %1 quedan fuera de la rejilla").arg(pegado.fuera));
}

QString MensajeBorrado(int celdas) {
    return Celdas("Borrada", celdas);
}
