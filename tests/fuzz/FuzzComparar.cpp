// Fuzz target: "comparar" on the text of a problem file, and the comparison that "Calcular" with
// lot-for-lot (which takes any costs) keeps. Whatever the bytes, they are refused with a warning,
// a conversion error or an arithmetic error, or compared; plans are ranked only under costs that
// allow it, and a percentage stands only above an optimum that was solved.
#include "CalculoProblema.h"
#include "Comprobar.h"
#include "Errores.h"
#include "FicheroProblema.h"
#include "Numeros.h"
#include "TablaRejilla.h"
#include "TextosComparacion.h"

#include <QLocale>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

// As quelmar-cli calculates an opened file: a fresh window's problem with the file's texts.
std::optional<ResultadoCalculo> Calcular(const ProblemaLeido& leido, TipoLotificacion metodo) {
    TextosProblema problema;
    TextosCelda celdas = CeldasIniciales(StrToInt(problema.NPeriodos));
    AplicarProblema(leido, problema, celdas);
    problema.Metodo = metodo;
    try {
        return ComandoCalcular(problema, celdas, [](const QString&) {});
    } catch (const EConvertError&) {
    } catch (const EZeroDivide&) {
    } catch (const EInvalidOp&) {
    } catch (const EOverflow&) {
    }
    return std::nullopt;
}

void ComprobarComparacion(const ResultadoCalculo& calculo) {
    const ComparacionMetodos& comparacion = calculo.Comparacion;
    if (!CostesComparables(calculo.Problema.CE, calculo.Problema.CP)) {
        Comprobar(comparacion.Filas.empty() && comparacion.Rechazo == TextoCostesNoComparables,
                  "costes negativos: ningún plan comparado, y el porqué");
        return;
    }
    Comprobar(comparacion.Rechazo.empty() &&
                  comparacion.Filas.size() == MetodosComparados.size() + 1,
              "los métodos comparados y el óptimo");
    const bool conOptimo = comparacion.Filas.back().Fallo.empty();
    for (const TextosFilaComparacion& fila : TextosComparacion(comparacion)) {
        Comprobar(fila.Celdas.size() == CabeceraComparacion().size(), "una celda por columna");
        Comprobar(conOptimo || fila.Celdas.last().isEmpty(), "sin óptimo, ningún porcentaje");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    static const bool espanol = [] {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        return true;
    }();
    (void)espanol;
    ProblemaLeido leido;
    try {
        leido = LeerTextoProblema(QByteArray(reinterpret_cast<const char*>(datos), qsizetype(n)));
    } catch (const EConvertError&) {
        return 0;
    }
    if (!PeriodosDeRejilla(leido.N)) return 0; // "Abrir" refuses it
    if (const auto comparado = Calcular(leido, LotificacionOptimo)) {
        Comprobar(CostesComparables(comparado->Problema.CE, comparado->Problema.CP),
                  "el óptimo solo con costes comparables");
        ComprobarComparacion(*comparado);
    }
    if (const auto calculado = Calcular(leido, LotificacionLoteALote))
        ComprobarComparacion(*calculado);
    return 0;
}
