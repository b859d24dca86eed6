// Converting the problem's texts into numbers, in the order each calculation reads them.
#include "ProblemaNumerico.h"

#include "Numeros.h"

std::optional<ProblemaNumerico> LeerProblema(TipoCalculo tipo, const TextosProblema& textos,
                                             const TextosCelda& celdas,
                                             const NecesidadesBrutas& necesidades,
                                             const Avisar& avisar) {
    ProblemaNumerico p;
    p.Tipo = tipo;
    p.N = necesidades.N;
    p.Metodo = textos.Metodo;
    p.Redondear = textos.Redondear;
    LeerTabla(celdas, necesidades, tipo == TipoCalculo::Manual, p.Entrada);
    // One statement per field: the order of the conversions decides which error is reported.
    if (tipo == TipoCalculo::Manual) {
        p.SS = StrToInt(textos.SS);
        p.TS = StrToInt(textos.TS);
        if (!AdmitirTiempoSuministro(p.TS, avisar)) return std::nullopt;
        p.CE = StrToFloat(textos.CE);
        p.CP = StrToFloat(textos.CP);
    } else {
        p.TS = StrToInt(textos.TS);
        p.SS = StrToInt(textos.SS);
        p.CE = StrToFloat(textos.CE);
        p.CP = StrToFloat(textos.CP);
        if (!AdmitirTiempoSuministro(p.TS, avisar)) return std::nullopt;
    }
    return p;
}
