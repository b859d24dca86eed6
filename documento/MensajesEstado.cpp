// The status bar's texts.
#include "MensajesEstado.h"

#include "Numeros.h"
#include "RoturasCalculo.h"
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
    QString mensaje = como + QStringLiteral(": coste total ") + FloatToStr(calculo->CosteTotal());
    if (const QString roturas = MensajeRoturas(RoturasDelCalculo(*calculo)); !roturas.isEmpty())
        mensaje += QStringLiteral(". ") + roturas;
    return mensaje;
}

QString MensajeCopiado(int celdas) {
    return Celdas("Copiada", celdas);
}

QString MensajePegado(const ResultadoPegado& pegado) {
    if (pegado.celdas == 0 && pegado.descartadas == 0)
        return QStringLiteral("El portapapeles no tiene texto que pegar");
    QString texto = pegado.celdas == 0 ? QStringLiteral("No se ha pegado ninguna celda")
                                       : Celdas("Pegada", pegado.celdas);
    // Kept where the grid does not show them yet: a larger horizon or the cost rows show them.
    if (pegado.fuera > 0)
        texto += pegado.fuera == 1
                     ? QStringLiteral("; 1 queda fuera de la rejilla")
                     : QStringLiteral("; %1 quedan fuera de la rejilla").arg(pegado.fuera);
    if (pegado.descartadas > 0)
        texto += pegado.descartadas == 1
                     ? QStringLiteral("; se descarta 1 que no cabe en ninguna fila ni columna "
                                      "de la rejilla")
                     : QStringLiteral("; se descartan %1 que no caben en ninguna fila ni columna "
                                      "de la rejilla")
                           .arg(pegado.descartadas);
    return texto;
}

QString MensajeBorrado(int celdas) {
    return Celdas("Borrada", celdas);
}
