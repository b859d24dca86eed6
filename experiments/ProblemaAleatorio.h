// The experiments window's twelve parameter texts and its check box, and the drawing of one random
// problem from the texts, draw by draw in a fixed order.
#pragma once

#include "Generador.h"
#include "LotificaUnit.h"

#include <QString>

#include <cstdint>
#include <optional>

struct TextosExperimento {
    QString NPMin, NPMax, NBMin, NBMax, EProbNB, TsMin, TsMax, CEMin, CeMax, CECpMin, CeCpMax, NExp;
    bool CompararOptimo = false; // each problem also solved by the optimum
    // The window's defaults, the reals written in the user's locale ("0,5" in Spanish).
    static TextosExperimento PorDefecto();
    bool operator==(const TextosExperimento&) const = default;
};

struct ProblemaAleatorio {
    std::int32_t N = 0;
    std::int32_t Ts = 0;
    double Ce = 0;
    double Cp = 0;
    TTablaMRP Tabla; // NB of periods 1 to N drawn; D, RP, NN, RPPL, PPL of periods 1 to N zero
};

// Draws one problem. The fields are converted as the draws need them, so a field that does not
// convert throws EConvertError at that point: NPMax, NPMin, TsMax, TsMin, EProbNB, CEMin,
// CeMax, CECpMin, CeCpMax, then NBMin and NBMax at the first requirement. Entry N + 1 of every
// row is zeroed too, so a problem drawn over a larger one hands the engine nothing of it. A drawn
// N outside 1 to 99 (bounds ComprobarParametros refuses) throws std::out_of_range with that
// warning before anything is written; a ratio of 0 throws the engine's division errors.
void GenerarProblema(const TextosExperimento& textos, FuenteSorteos& sorteos,
                     ProblemaAleatorio& problema);

// The same draws from fields converted once; the run uses it after its first experiment, since
// nothing can change the fields while it runs.
struct ParametrosExperimento {
    std::int32_t NPMin, NPMax, TsMin, TsMax;
    double NBMin, NBMax, EProbNB, CEMin, CeMax, CECpMin, CeCpMax;
    // Converts every field but NExp, in the order GenerarProblema meets them.
    static ParametrosExperimento Convertir(const TextosExperimento& textos);
};
void GenerarProblema(const ParametrosExperimento& parametros, FuenteSorteos& sorteos,
                     ProblemaAleatorio& problema);
// The same with the draws of the generator itself, which cost no call each.
void GenerarProblema(const ParametrosExperimento& parametros, Generador& sorteos,
                     ProblemaAleatorio& problema);
