// The calculation commands: their checks and warnings, the engine's calls, and the grid rewritten
// all at once or not at all.
#include "CalculoProblema.h"

#include "TablaRejilla.h"

namespace {

// The checks both calculations share after their own: the requirements, then the horizon, then
// the rest of the problem converted. Nothing when a warning refused it.
std::optional<ProblemaNumerico> ProblemaAdmitido(TipoCalculo tipo, bool permitido,
                                                 const TextosProblema& problema,
                                                 const TextosCelda& celdas, const Avisar& avisar) {
    const NecesidadesBrutas necesidades = LeerNecesidadesBrutas(problema.NPeriodos, celdas);
    if (!necesidades.HayNecesidadBruta) {
        avisar(AvisoNecesidadBruta);
        permitido = false;
    }
    if (!permitido || !AdmitirPeriodosCalculables(necesidades.N, avisar)) return std::nullopt;
    return LeerProblema(tipo, problema, celdas, necesidades, avisar);
}

} // namespace

std::optional<ResultadoCalculo> ComandoCalcular(TextosProblema& problema, TextosCelda& celdas,
                                                const Avisar& avisar) {
    bool permitido = true;
    // The texts are compared, not their numbers: "0,0" passes here.
    if (problema.Metodo != LotificacionLoteALote &&
        (problema.CE == QStringLiteral("0") || problema.CP == QStringLiteral("0"))) {
        avisar(AvisoCostes);
        permitido = false;
    }
    const std::optional<ProblemaNumerico> numerico =
        ProblemaAdmitido(TipoCalculo::Seleccionado, permitido, problema, celdas, avisar);
    if (!numerico) return std::nullopt;
    if (numerico->Metodo == LotificacionOptimo && !CostesComparables(numerico->CE, numerico->CP)) {
        avisar(AvisoCostesNoComparables);
        return std::nullopt;
    }
    ResultadoCalculo resultado = CalcularSeleccionada(*numerico);
    MostrarResultado(resultado, celdas);
    problema.Metodo = resultado.Metodo;
    return resultado;
}

std::optional<ResultadoCalculo> ComandoCalculoManual(const TextosProblema& problema,
                                                     TextosCelda& celdas, const Avisar& avisar) {
    const std::optional<ProblemaNumerico> numerico =
        ProblemaAdmitido(TipoCalculo::Manual, true, problema, celdas, avisar);
    if (!numerico) return std::nullopt;
    ResultadoCalculo resultado = CalcularManual(*numerico);
    MostrarResultado(resultado, celdas);
    return resultado;
}

ResultadoCalculo CalcularSeleccionada(const ProblemaNumerico& problema) {
    ResultadoCalculo resultado;
    resultado.Problema = problema;
    resultado.Tabla = problema.Entrada;
    resultado.Metodo = problema.Metodo;
    resultado.Explicacion = LotificarExplicando(problema, resultado.Tabla, resultado.Metodo);
    CalcularCostes(problema.N, resultado.Tabla, problema.CE, problema.CP, resultado.Costes);
    resultado.Comparacion = CompararMetodos(problema);
    return resultado;
}

ResultadoCalculo CalcularManual(const ProblemaNumerico& problema) {
    ResultadoCalculo resultado;
    resultado.Problema = problema;
    resultado.Tabla = problema.Entrada;
    resultado.Explicacion = ReproyectarExplicando(problema, resultado.Tabla);
    CalcularCostes(problema.N, resultado.Tabla, problema.CE, problema.CP, resultado.Costes);
    resultado.Comparacion = CompararMetodos(
        problema, FilaDelPlan(CodigoPlanManual, problema.N, resultado.Tabla, resultado.Costes));
    return resultado;
}

void MostrarResultado(const ResultadoCalculo& resultado, TextosCelda& celdas) {
    MostrarTabla(resultado.Problema.N, resultado.Tabla, resultado.Costes, celdas);
}
