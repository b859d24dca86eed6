// Fuzz target: the experiments' parameter checks. The input is the twelve fields, one a line, in
// the window's order (missing ones keep their defaults), then a line with the free space of the
// trace's disk. Fields the checks let through never draw a problem outside the table nor end a
// run early: the first problems are drawn from the texts and from the converted fields alike and
// solved by the six methods, and only conversion errors and the engine's arithmetic errors may
// stop them.
#include "Comprobar.h"
#include "ComprobarParametros.h"
#include "CosteMetodo.h"
#include "Errores.h"
#include "ErroresCalculo.h"
#include "EspacioTraza.h"
#include "Estadisticas.h"
#include "Generador.h"
#include "Numeros.h"
#include "ProblemaAleatorio.h"

#include <QList>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

QString TextosExperimento::*const Campos[] = {
    &TextosExperimento::NPMin,   &TextosExperimento::NPMax,   &TextosExperimento::NBMin,
    &TextosExperimento::NBMax,   &TextosExperimento::EProbNB, &TextosExperimento::TsMin,
    &TextosExperimento::TsMax,   &TextosExperimento::CEMin,   &TextosExperimento::CeMax,
    &TextosExperimento::CECpMin, &TextosExperimento::CeCpMax, &TextosExperimento::NExp,
};

bool Iguales(const ProblemaAleatorio& a, const ProblemaAleatorio& b) {
    return a.N == b.N && a.Ts == b.Ts && a.Ce == b.Ce && a.Cp == b.Cp && a.Tabla == b.Tabla;
}

// Draws and solves the first problems as a run would.
void Resolver(const TextosExperimento& textos, std::uint32_t semilla) {
    Generador deTextos(semilla);
    Generador deCampos(semilla);
    deTextos.Sembrar();
    deCampos.Sembrar();
    ProblemaAleatorio problema;
    ProblemaAleatorio igual;
    ParametrosExperimento parametros{};
    try {
        GenerarProblema(textos, deTextos, problema);
        parametros = ParametrosExperimento::Convertir(textos);
    } catch (const EConvertError&) {
        return; // reported by the run where it meets it
    } catch (const EZeroDivide&) {
        return;
    } catch (const EInvalidOp&) {
        return;
    } catch (const EOverflow&) {
        return;
    }
    for (int experimento = 0; experimento < 3; ++experimento) {
        try {
            if (experimento > 0) GenerarProblema(textos, deTextos, problema);
            GenerarProblema(parametros, deCampos, igual);
            Comprobar(Iguales(problema, igual),
                      "textos y campos convertidos dan el mismo problema");
            Comprobar(problema.N >= 1 && problema.N <= MaxPeriodos, "N dentro del horizonte");
            Comprobar(problema.Ts >= 0 && problema.Ts < problema.N, "Ts entre 0 y N - 1");
            for (TipoLotificacion m = 0; m < NumeroMetodos; ++m)
                CosteMetodo(
                    m, ParametrosDeExperimento(problema.N, problema.Ts, problema.Ce, problema.Cp),
                    problema.Tabla);
        } catch (const EZeroDivide&) {
        } catch (const EInvalidOp&) {
        } catch (const EOverflow&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    const QList<QByteArray> lineas =
        QByteArray(reinterpret_cast<const char*>(datos), qsizetype(n)).split('\n');
    TextosExperimento textos = TextosExperimento::PorDefecto();
    for (qsizetype i = 0; i < std::min<qsizetype>(lineas.size(), std::size(Campos)); ++i)
        textos.*Campos[i] = QString::fromUtf8(lineas[i]);

    if (lineas.size() > qsizetype(std::size(Campos))) {
        const std::uint64_t libre = lineas[std::size(Campos)].toULongLong();
        std::int32_t nExp = 0;
        try {
            nExp = StrToInt(textos.NExp);
        } catch (const EConvertError&) {
        }
        const std::optional<QString> aviso = AvisoEspacioTraza(nExp, false, libre);
        Comprobar(aviso.has_value() == (EstimacionTraza(nExp, false) > libre), "aviso si no cabe");
    }

    if (ComprobarParametros(textos)) return 0;
    try {
        if (StrToInt(textos.NExp) <= 0) return 0; // nothing is drawn
    } catch (const EConvertError&) {
        return 0;
    }
    std::uint32_t semilla = 0;
    std::memcpy(&semilla, datos, std::min(n, sizeof semilla));
    Resolver(textos, semilla);
    return 0;
}
