// Refusing, before a run, the experiment fields that could only make it write outside the table
// or end it early. Each warning names the field by its label in the window.
#include "ComprobarParametros.h"

#include "Errores.h"
#include "Numeros.h"

#include <algorithm>

namespace {

using Aviso = std::optional<QString>;

Aviso Especifique(const QString& etiqueta, const QString& requisito) {
    return QStringLiteral("Especifique en «%1» %2.").arg(etiqueta, requisito);
}

template <class Conversion>
auto Convertido(const QString& texto, Conversion convertir)
    -> std::optional<decltype(convertir(texto))> {
    try {
        return convertir(texto);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

std::optional<std::int32_t> Entero(const QString& texto) {
    return Convertido(texto, StrToInt);
}
std::optional<double> Real(const QString& texto) {
    return Convertido(texto, StrToFloat);
}

const QString EtiquetaNPMin = QStringLiteral("Nº Períodos Min:");
const QString EtiquetaNPMax = QStringLiteral("Nº Períodos Max:");

Aviso AvisoRango(const QString& etiqueta, std::optional<std::int32_t> periodos) {
    if (periodos && !PeriodosCalculables(*periodos))
        return Especifique(etiqueta,
                           QStringLiteral("un número de períodos entre 1 y %1").arg(MaxPeriodos));
    return std::nullopt;
}

Aviso AvisoPlazo(const QString& etiqueta, const QString& texto) {
    const auto plazo = Entero(texto);
    if (plazo && !TiempoSuministroValido(*plazo))
        return Especifique(etiqueta, QStringLiteral("un plazo de 0 o más períodos"));
    return std::nullopt;
}

Aviso AvisoNoNegativo(const QString& etiqueta, const QString& texto, const QString& que) {
    const auto valor = Real(texto);
    if (valor && *valor < 0) return Especifique(etiqueta, que + QStringLiteral(" de 0 o más"));
    return std::nullopt;
}

Aviso AvisoPositivo(const QString& etiqueta, const QString& texto, const QString& que) {
    const auto valor = Real(texto);
    if (valor && *valor <= 0) return Especifique(etiqueta, que + QStringLiteral(" mayor que 0"));
    return std::nullopt;
}

// Requirements rounded from bounds no larger than 0.5 are all 0 (halves go to the even 0): every
// problem would lack demand, which POQ cannot plan, and the run would end at its first problem.
Aviso AvisoNecesidadNula(const QString& textoMin, const QString& textoMax) {
    const auto minimo = Real(textoMin);
    const auto maximo = Real(textoMax);
    if (!minimo || !maximo || std::max(*minimo, *maximo) > 0.5) return std::nullopt;
    return Especifique(*maximo >= *minimo ? QStringLiteral("NB Max:") : QStringLiteral("NB Min:"),
                       QStringLiteral("una necesidad bruta mayor que ") + FloatToStr(0.5));
}

} // namespace

Aviso AvisoRangoPeriodos(std::optional<std::int32_t> npMin, std::optional<std::int32_t> npMax) {
    if (auto aviso = AvisoRango(EtiquetaNPMin, npMin)) return aviso;
    if (auto aviso = AvisoRango(EtiquetaNPMax, npMax)) return aviso;
    if (npMin && npMax && *npMin > *npMax)
        return Especifique(
            EtiquetaNPMin,
            QStringLiteral("un número de períodos no mayor que el de «%1»").arg(EtiquetaNPMax));
    return std::nullopt;
}

Aviso ComprobarParametros(const TextosExperimento& textos) {
    // A run of no experiments converts no other field, so it has nothing to refuse.
    const auto nExp = Entero(textos.NExp);
    if (!nExp || *nExp <= 0) return std::nullopt;

    const QString necesidad = QStringLiteral("una necesidad bruta");
    const QString coste = QStringLiteral("un coste");
    const QString cociente = QStringLiteral("un cociente");
    // Top to bottom, as the fields stand in the window.
    const Aviso avisos[] = {
        AvisoRangoPeriodos(Entero(textos.NPMin), Entero(textos.NPMax)),
        AvisoNoNegativo(QStringLiteral("NB Min:"), textos.NBMin, necesidad),
        AvisoNoNegativo(QStringLiteral("NB Max:"), textos.NBMax, necesidad),
        AvisoNecesidadNula(textos.NBMin, textos.NBMax),
        AvisoPlazo(QStringLiteral("Ts Min:"), textos.TsMin),
        AvisoPlazo(QStringLiteral("Ts Max:"), textos.TsMax),
        AvisoPositivo(QStringLiteral("Ce Min:"), textos.CEMin, coste),
        AvisoPositivo(QStringLiteral("Ce Max:"), textos.CeMax, coste),
        AvisoPositivo(QStringLiteral("Ce/Cp Min:"), textos.CECpMin, cociente),
        AvisoPositivo(QStringLiteral("Ce/Cp Max:"), textos.CeCpMax, cociente),
    };
    for (const Aviso& aviso : avisos)
        if (aviso) return aviso;
    return std::nullopt;
}
