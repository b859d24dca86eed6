// The method radio group's item texts.
#include "TextosLotificacion.h"

#include <array>

namespace {

const std::array<QString, LotificacionMejor + 1> Textos = {
    QStringLiteral("Lote a lote"),
    QStringLiteral("EOQ"),
    QStringLiteral("POQ"),
    QStringLiteral("Mínimo coste total"),
    QStringLiteral("Mínimo coste unitario"),
    QStringLiteral("Método Silver-Meal"),
    QStringLiteral("Mejor de las anteriores"),
};

} // namespace

QString TextoLotificacion(TipoLotificacion metodo) {
    if (metodo < 0 || metodo > LotificacionMejor) return {};
    return Textos[static_cast<std::size_t>(metodo)];
}
