// Fuzz target: reading a problem file. Any bytes are read or refused with a conversion error;
// what is read keeps the field length and the method's range, and a problem read, stored and
// written again reads back the same.
#include "Comprobar.h"
#include "Errores.h"
#include "FicheroProblema.h"
#include "LongitudCampo.h"
#include "LotificaUnit.h"

#include <cstddef>
#include <cstdint>

namespace {

bool Iguales(const ProblemaLeido& a, const ProblemaLeido& b) {
    return a.NPeriodos == b.NPeriodos && a.TS == b.TS && a.SS == b.SS && a.CE == b.CE &&
           a.CP == b.CP && a.Metodo == b.Metodo && a.N == b.N && a.filas == b.filas;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    const QByteArray bytes(reinterpret_cast<const char*>(datos), qsizetype(n));
    ProblemaLeido leido;
    try {
        leido = LeerTextoProblema(bytes);
    } catch (const EConvertError&) {
        return 0;
    }
    for (const QString* campo : {&leido.NPeriodos, &leido.TS, &leido.SS, &leido.CE, &leido.CP})
        Comprobar(campo->size() <= LongitudMaximaCampo, "un campo cabe en el de la ventana");
    Comprobar(leido.Metodo >= -1 && leido.Metodo <= LotificacionMejor, "método de -1 a 6");
    // Files of no periods or beyond the horizon are refused before anything is stored.
    if (leido.N < 1 || leido.N > MaxPeriodos) return 0;
    for (const QStringList& fila : leido.filas)
        Comprobar(fila.size() == leido.N, "una celda por período");

    TextosProblema problema;
    TextosCelda celdas;
    AplicarProblema(leido, problema, celdas);
    Comprobar(Iguales(LeerTextoProblema(TextoProblema(problema, celdas)), leido),
              "guardar y abrir devuelve lo abierto");
    return 0;
}
