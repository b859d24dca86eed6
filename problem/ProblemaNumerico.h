// The problem of the main window converted to numbers once per calculation, text by text in the
// order the calculation has always met them, so that of several bad texts the same one is
// reported; everything after the conversion works on these numbers.
#pragma once

#include "AvisosProblema.h"
#include "LotificaUnit.h"
#include "TablaRejilla.h"
#include "TextosCelda.h"
#include "TextosProblema.h"

#include <cstdint>
#include <optional>

// A calculation with a lot-sizing method, or from the releases typed in the PPL row.
enum class TipoCalculo { Seleccionado, Manual };

struct ProblemaNumerico {
    TipoCalculo Tipo = TipoCalculo::Seleccionado;
    std::int32_t N = 0;
    std::int32_t TS = 0;
    double SS = 0;
    double CE = 0;
    double CP = 0;
    bool Redondear = true;
    TipoLotificacion Metodo = 0; // the selected item, -1 when none
    // The inputs: NB and RP of periods 1 to N, D[1], and for a manual calculation PPL of periods 1
    // to N; everything else 0.
    TTablaMRP Entrada;
};

// Converts the rest of the problem once its requirements were read and its horizon found
// calculable: the grid's inputs, then the fields (a calculation with a method reads the lead
// time, the safety stock and both costs before it checks the lead time; a manual one reads the
// safety stock and the lead time, checks it, then the costs). Nothing when a negative lead time
// was refused with its warning; throws EConvertError at the first text that does not convert.
std::optional<ProblemaNumerico> LeerProblema(TipoCalculo tipo, const TextosProblema& textos,
                                             const TextosCelda& celdas,
                                             const NecesidadesBrutas& necesidades,
                                             const Avisar& avisar);
