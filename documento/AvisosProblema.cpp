// The checks of the horizon and the lead time, each with the warning that refuses it.
#include "AvisosProblema.h"

#include "Errores.h"
#include "Horizonte.h"
#include "LecturaNumeros.h"

namespace {

bool Admitir(bool valido, const QString& aviso, const Avisar& avisar) {
    if (!valido) avisar(aviso);
    return valido;
}

} // namespace

bool PeriodosFueraDeRejilla(const QString& textoNPeriodos) {
    if (textoNPeriodos.isEmpty()) return false;
    try {
        return !PeriodosDeRejilla(StrToInt(textoNPeriodos));
    } catch (const EConvertError&) {
        return true;
    }
}

bool AdmitirPeriodosDeRejilla(std::int32_t n, const Avisar& avisar) {
    return Admitir(PeriodosDeRejilla(n), AvisoPeriodos, avisar);
}

bool AdmitirPeriodosCalculables(std::int32_t n, const Avisar& avisar) {
    return Admitir(PeriodosCalculables(n), AvisoPeriodos, avisar);
}

bool AdmitirTiempoSuministro(std::int32_t ts, const Avisar& avisar) {
    return Admitir(TiempoSuministroValido(ts), AvisoTiempoSuministro, avisar);
}
