// Reading the options of a sheet of exercises.
#include "OpcionesEjercicios.h"

#include "Horizonte.h"
#include "Semilla.h"

#include <QRegularExpression>

namespace {

// A whole number of at most nine digits, so that it never overflows.
std::optional<std::int32_t> Entero(const QString& texto) {
    static const QRegularExpression digitos(QStringLiteral("^\\s*([0-9]{1,9})\\s*$"));
    const QRegularExpressionMatch encaje = digitos.match(texto);
    if (!encaje.hasMatch()) return std::nullopt;
    return encaje.captured(1).toInt();
}

std::optional<Intervalo> LeerIntervalo(const QString& texto) {
    static const QRegularExpression intervalo(
        QStringLiteral("^\\s*([0-9]{1,9})\\s*(?:-\\s*([0-9]{1,9})\\s*)?$"));
    const QRegularExpressionMatch encaje = intervalo.match(texto);
    if (!encaje.hasMatch()) return std::nullopt;
    const std::int32_t desde = encaje.captured(1).toInt();
    const std::int32_t hasta = encaje.hasCaptured(2) ? encaje.captured(2).toInt() : desde;
    if (desde > hasta) return std::nullopt;
    return Intervalo{desde, hasta};
}

const QString AvisoCantidadHoja =
    QStringLiteral("Especifique una cantidad de ejercicios entre 1 y %1.").arg(MaximoEjercicios);
const QString AvisoSemillaHoja =
    QStringLiteral("Especifique una semilla entera entre 0 y %1, o ninguna.").arg(SemillaMaxima);
const QString AvisoMetodoHoja =
    QStringLiteral("Especifique el método de lotificación con su código, de 0 a %1, o ninguno.")
        .arg(UltimoItemRadio);
const QString AvisoPeriodosHoja =
    QStringLiteral("Especifique los períodos como un intervalo «A-B» de números entre 1 y 99.");
const QString AvisoTiempoSuministroHoja =
    QStringLiteral("Especifique el tiempo de suministro como un intervalo «A-B» de números "
                   "mayores o iguales que 0, con A menor que el mínimo de períodos.");
const QString AvisoStockSeguridadHoja =
    QStringLiteral("Especifique el stock de seguridad como un intervalo «A-B» de números entre 0 "
                   "y %1.")
        .arg(MaximoStockSeguridad);
const QString AvisoDificultadHoja = QStringLiteral("Especifique una dificultad de 1, 2 o 3.");

} // namespace

std::optional<OpcionesEjercicios> LeerOpcionesEjercicios(const TextosEjercicios& textos,
                                                         const Avisar& avisar) {
    OpcionesEjercicios opciones;
    const auto rechazar = [&](const QString& aviso) {
        avisar(aviso);
        return std::nullopt;
    };
    if (!textos.Cantidad.isEmpty()) {
        const std::optional<std::int32_t> cantidad = Entero(textos.Cantidad);
        if (!cantidad || *cantidad < 1 || *cantidad > MaximoEjercicios)
            return rechazar(AvisoCantidadHoja);
        opciones.Cantidad = *cantidad;
    }
    if (!textos.Semilla.isEmpty()) {
        opciones.Semilla = LeerSemilla(textos.Semilla.trimmed());
        if (!opciones.Semilla) return rechazar(AvisoSemillaHoja);
    }
    if (!textos.Metodo.isEmpty()) {
        const std::optional<std::int32_t> metodo = Entero(textos.Metodo);
        if (!metodo || !EsItemRadio(*metodo)) return rechazar(AvisoMetodoHoja);
        opciones.Metodo = *metodo;
    }
    if (!textos.Periodos.isEmpty()) {
        const std::optional<Intervalo> periodos = LeerIntervalo(textos.Periodos);
        if (!periodos || periodos->Desde < 1 || !PeriodosCalculables(periodos->Hasta))
            return rechazar(AvisoPeriodosHoja);
        opciones.Periodos = *periodos;
    }
    if (!textos.TiempoSuministro.isEmpty()) {
        opciones.TiempoSuministro = LeerIntervalo(textos.TiempoSuministro);
        if (!opciones.TiempoSuministro) return rechazar(AvisoTiempoSuministroHoja);
    }
    if (!textos.StockSeguridad.isEmpty()) {
        opciones.StockSeguridad = LeerIntervalo(textos.StockSeguridad);
        if (!opciones.StockSeguridad || opciones.StockSeguridad->Hasta > MaximoStockSeguridad)
            return rechazar(AvisoStockSeguridadHoja);
    }
    if (!textos.Dificultad.isEmpty()) {
        const std::optional<std::int32_t> dificultad = Entero(textos.Dificultad);
        if (!dificultad || *dificultad < 1 || *dificultad > 3) return rechazar(AvisoDificultadHoja);
        opciones.Dificultad = *dificultad;
    }
    // Checked last, against the periods and the difficulty's default alike.
    if (TiempoSuministroDe(opciones).Desde >= opciones.Periodos.Desde)
        return rechazar(AvisoTiempoSuministroHoja);
    return opciones;
}

// Level 3 adds lead times up to 3 and a safety stock.
Intervalo TiempoSuministroDe(const OpcionesEjercicios& opciones) {
    if (opciones.TiempoSuministro) return *opciones.TiempoSuministro;
    return {0, opciones.Dificultad >= 3 ? 3 : 2};
}

Intervalo StockSeguridadDe(const OpcionesEjercicios& opciones) {
    if (opciones.StockSeguridad) return *opciones.StockSeguridad;
    return opciones.Dificultad >= 3 ? Intervalo{5, 20} : Intervalo{0, 0};
}
