// The free-space check of a run's trace file.
#include "EspacioTraza.h"

#include "Errores.h"
#include "Estadisticas.h"
#include "Ficheros.h"
#include "Numeros.h"

#include <array>
#include <utility>

namespace {

constexpr std::uint64_t BytesPorLinea = 50;

FuncionEspacio funcionEspacio = EspacioDisponible;

// A size as a person reads it: bytes below a kilobyte, else one decimal in the largest unit of
// powers of 1000 that it reaches, with the locale's decimal separator ("2,5 GB").
QString Tamano(std::uint64_t bytes) {
    constexpr std::array<const char*, 5> unidades{"kB", "MB", "GB", "TB", "PB"};
    if (bytes < 1000) return QStringLiteral("%1 bytes").arg(bytes);
    double valor = double(bytes) / 1000;
    std::size_t unidad = 0;
    while (valor >= 999.95 && unidad + 1 < unidades.size()) {
        valor /= 1000;
        ++unidad;
    }
    return FormatoFijo(valor, 15, 1) + u' ' + QLatin1String(unidades[unidad]);
}

// The experiments the fields ask for; 0 when NExp does not convert.
std::int32_t ExperimentosPedidos(const TextosExperimento& textos) {
    try {
        return StrToInt(textos.NExp);
    } catch (const EConvertError&) {
        return 0;
    }
}

} // namespace

std::uint64_t EstimacionTraza(std::int32_t nExp, bool compararOptimo) {
    const std::uint64_t experimentos = nExp > 0 ? std::uint64_t(nExp) : 0;
    // One line per method solved: those the best-of choice compares, and the optimum if asked.
    const std::uint64_t lineas = NumeroMetodos + (compararOptimo ? 1 : 0);
    return BytesPorLinea * (1 + lineas * experimentos);
}

std::uint64_t EstimacionTraza(const TextosExperimento& textos) {
    return EstimacionTraza(ExperimentosPedidos(textos), textos.CompararOptimo);
}

std::optional<QString> AvisoEspacioTraza(std::int32_t nExp, bool compararOptimo,
                                         std::uint64_t libre) {
    const std::uint64_t estimacion = EstimacionTraza(nExp, compararOptimo);
    if (estimacion <= libre) return std::nullopt;
    const QString experimentos =
        nExp == 1 ? QStringLiteral("1 experimento") : QStringLiteral("%1 experimentos").arg(nExp);
    return QStringLiteral("Una ejecución de %1 escribiría una traza de unos %2, y en el disco del "
                          "fichero de seguimiento solo quedan %3 libres.")
        .arg(experimentos, Tamano(estimacion), Tamano(libre));
}

std::optional<QString> ComprobarEspacioTraza(const TextosExperimento& textos,
                                             const QString& ficheroTraza) {
    const std::int32_t nExp = ExperimentosPedidos(textos);
    if (nExp <= 0) return std::nullopt;
    const std::optional<std::uint64_t> libre = funcionEspacio(ficheroTraza);
    if (!libre) return std::nullopt;
    return AvisoEspacioTraza(nExp, textos.CompararOptimo, *libre);
}

FuncionEspacio CambiarFuncionEspacio(FuncionEspacio nueva) {
    return std::exchange(funcionEspacio, nueva);
}
