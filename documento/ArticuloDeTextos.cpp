// The window's texts and the problem files, converted into an item.
#include "ArticuloDeTextos.h"

#include "FicheroProblema.h"
#include "LugarTexto.h"
#include "Numeros.h"
#include "TablaRejilla.h"

namespace {

int Entero(LugarTexto::Campo campo, const QString& texto) {
    return ConvertirEn({campo}, [&] { return StrToInt(texto); });
}

double Real(LugarTexto::Campo campo, const QString& texto) {
    return ConvertirEn({campo}, [&] { return StrToFloat(texto); });
}

// The fields, one statement each: the order of the conversions decides which error is reported.
std::optional<Articulo> LeerCampos(TipoCalculo tipo, const TextosProblema& textos,
                                   const TextosCelda& celdas, const NecesidadesBrutas& necesidades,
                                   const Avisar& avisar) {
    Articulo a;
    a.N = necesidades.N;
    a.Metodo = textos.Metodo;
    a.Redondear = textos.Redondear;
    LeerTabla(celdas, necesidades, tipo == TipoCalculo::Manual, a.Entrada);
    using enum LugarTexto::Campo;
    if (tipo == TipoCalculo::Manual) {
        a.SS = Entero(SS, textos.SS);
        a.TS = Entero(TS, textos.TS);
        if (!AdmitirTiempoSuministro(a.TS, avisar)) return std::nullopt;
        a.CE = Real(CE, textos.CE);
        a.CP = Real(CP, textos.CP);
    } else {
        a.TS = Entero(TS, textos.TS);
        a.SS = Entero(SS, textos.SS);
        a.CE = Real(CE, textos.CE);
        a.CP = Real(CP, textos.CP);
        if (!AdmitirTiempoSuministro(a.TS, avisar)) return std::nullopt;
    }
    return a;
}

} // namespace

std::optional<Articulo> ArticuloDeTextos(TipoCalculo tipo, const TextosProblema& problema,
                                         const TextosCelda& celdas, const Avisar& avisar) {
    bool permitido = true;
    if (tipo == TipoCalculo::Seleccionado && ExigeCostes(problema.Metodo) &&
        (problema.CE == QStringLiteral("0") || problema.CP == QStringLiteral("0"))) {
        avisar(AvisoCostes);
        permitido = false;
    }
    const NecesidadesBrutas necesidades = LeerNecesidadesBrutas(problema.NPeriodos, celdas);
    if (!necesidades.HayNecesidadBruta) {
        avisar(AvisoNecesidadBruta);
        permitido = false;
    }
    if (!permitido || !AdmitirPeriodosCalculables(necesidades.N, avisar)) return std::nullopt;
    std::optional<Articulo> articulo = LeerCampos(tipo, problema, celdas, necesidades, avisar);
    if (articulo && tipo == TipoCalculo::Seleccionado && articulo->Metodo == LotificacionOptimo &&
        !CostesComparables(articulo->CE, articulo->CP)) {
        avisar(AvisoCostesNoComparables);
        return std::nullopt;
    }
    return articulo;
}

bool ProblemaCambiado(const TextosProblema& problema, const TextosCelda& celdas,
                      const ResultadoCalculo& calculado) {
    const Articulo& antes = calculado.Problema;
    try {
        const NecesidadesBrutas necesidades = LeerNecesidadesBrutas(problema.NPeriodos, celdas);
        if (!PeriodosCalculables(necesidades.N)) return true;
        const std::optional<Articulo> ahora =
            LeerCampos(calculado.Tipo, problema, celdas, necesidades, [](const QString&) {});
        if (!ahora) return true;
        return ahora->N != antes.N || ahora->TS != antes.TS || ahora->SS != antes.SS ||
               ahora->CE != antes.CE || ahora->CP != antes.CP ||
               !(ahora->Entrada == antes.Entrada) ||
               (calculado.Tipo == TipoCalculo::Seleccionado && ahora->Redondear != antes.Redondear);
    } catch (const std::exception&) {
        return true;
    }
}

std::optional<RejillaTecleada> RejillaDeTextos(const TextosProblema& problema,
                                               const TextosCelda& celdas) {
    RejillaTecleada rejilla;
    try {
        rejilla.N = StrToInt(problema.NPeriodos);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (!PeriodosCalculables(rejilla.N)) return std::nullopt;
    for (int c = 1; c <= rejilla.N; ++c) {
        rejilla.NB << celdas.Celda(c, FilaNB);
        rejilla.RP << celdas.Celda(c, FilaRP);
    }
    rejilla.D1 = celdas.Celda(1, FilaD);
    return rejilla;
}

std::optional<Articulo> ArticuloDeFichero(const QString& ruta, const OpcionesFichero& opciones,
                                          const Avisar& avisar) {
    TextosProblema problema;
    problema.Redondear = opciones.Redondear;
    // The grid of a fresh main window.
    TextosCelda celdas = CeldasIniciales(StrToInt(problema.NPeriodos));
    if (!AbrirProblema(ruta, problema, celdas, avisar)) return std::nullopt;
    if (opciones.Metodo) problema.Metodo = *opciones.Metodo;
    return ArticuloDeTextos(TipoCalculo::Seleccionado, problema, celdas, avisar);
}
