// Reading a run's seed.
#include "Semilla.h"

std::optional<std::uint32_t> LeerSemilla(const QString& texto) {
    if (texto.isEmpty()) return std::nullopt;
    for (const QChar c : texto)
        if (c < u'0' || c > u'9') return std::nullopt;
    bool convertido = false;
    const qulonglong valor = texto.toULongLong(&convertido);
    if (!convertido || valor > SemillaMaxima) return std::nullopt;
    return static_cast<std::uint32_t>(valor);
}
