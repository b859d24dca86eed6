// The calculation commands over the problem's texts: their checks and warnings, the engine's
// calls, and the grid rewritten all at once or not at all.
#include "CalculoProblema.h"

#include "Numeros.h"

namespace {

bool PeriodosValidos(std::int32_t n) {
    return n >= 1 && n <= MaxPeriodos;
}

// The horizon and the lead time are checked before the engine runs: its records cannot hold
// more than MaxPeriodos periods, and it needs a lead time of 0 or more.
bool ParametrosValidos(std::int32_t n, std::int32_t ts, const Avisar& avisar) {
    if (!PeriodosValidos(n)) {
        avisar(AvisoPeriodos);
        return false;
    }
    if (ts < 0) {
        avisar(AvisoTiempoSuministro);
        return false;
    }
    return true;
}

// Writes the result into a copy of the cells, so that a failure on the way leaves the grid as
// it was.
TextosCelda CeldasConResultado(const TextosProblema& problema, const TextosCelda& celdas,
                               const TTablaMRP& tabla, const TCostesMRP& costes) {
    TextosCelda resultado = celdas;
    MostrarTabla(problema, tabla, costes, resultado);
    return resultado;
}

} // namespace

bool ComandoCalcular(TextosProblema& problema, TextosCelda& celdas, const Avisar& avisar) {
    bool permitido = true;
    // The texts are compared, not their numbers: "0,0" passes here.
    if (problema.Metodo != LotificacionLoteALote &&
        (problema.CE == QStringLiteral("0") || problema.CP == QStringLiteral("0"))) {
        avisar(AvisoCostes);
        permitido = false;
    }
    if (!HayNecesidadBruta(problema, celdas)) {
        avisar(AvisoNecesidadBruta);
        permitido = false;
    }
    if (!permitido) return false;
    if (!PeriodosValidos(StrToInt(problema.NPeriodos))) {
        avisar(AvisoPeriodos);
        return false;
    }
    return CalcularSeleccionada(problema, celdas, avisar);
}

bool ComandoCalculoManual(const TextosProblema& problema, TextosCelda& celdas,
                          const Avisar& avisar) {
    if (!HayNecesidadBruta(problema, celdas)) {
        avisar(AvisoNecesidadBruta);
        return false;
    }
    if (!PeriodosValidos(StrToInt(problema.NPeriodos))) {
        avisar(AvisoPeriodos);
        return false;
    }
    return CalcularManual(problema, celdas, avisar);
}

bool CalcularSeleccionada(TextosProblema& problema, TextosCelda& celdas, const Avisar& avisar) {
    TTablaMRP tabla;
    TCostesMRP costes;
    LeerTabla(problema, celdas, false, tabla, costes);
    const TipoLotificacion metodo = problema.Metodo;
    std::int32_t metodoElegido = metodo;

    // Read in this order so that, of several bad texts, always the same one is reported.
    const std::int32_t ts = StrToInt(problema.TS);
    const double ss = StrToInt(problema.SS);
    double ce = StrToFloat(problema.CE);
    double cp = StrToFloat(problema.CP);
    const bool redondear = problema.Redondear;
    std::int32_t n = StrToInt(problema.NPeriodos);
    if (!ParametrosValidos(n, ts, avisar)) return false;

    Lotificar(metodo, n, ts, ss, ce, cp, redondear, tabla, metodoElegido);

    ce = StrToFloat(problema.CE);
    cp = StrToFloat(problema.CP);
    n = StrToInt(problema.NPeriodos);
    CalcularCostes(n, tabla, ce, cp, costes);

    celdas = CeldasConResultado(problema, celdas, tabla, costes);
    problema.Metodo = metodoElegido;
    return true;
}

bool CalcularManual(const TextosProblema& problema, TextosCelda& celdas, const Avisar& avisar) {
    TTablaMRP tabla;
    TCostesMRP costes;
    LeerTabla(problema, celdas, true, tabla, costes);

    const double ss = StrToInt(problema.SS);
    const std::int32_t ts = StrToInt(problema.TS);
    std::int32_t n = StrToInt(problema.NPeriodos);
    if (!ParametrosValidos(n, ts, avisar)) return false;

    Reproyectar(n, ts, ss, tabla);

    const double ce = StrToFloat(problema.CE);
    const double cp = StrToFloat(problema.CP);
    n = StrToInt(problema.NPeriodos);
    CalcularCostes(n, tabla, ce, cp, costes);

    celdas = CeldasConResultado(problema, celdas, tabla, costes);
    return true;
}
