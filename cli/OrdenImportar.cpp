// Importing requirements through the same functions the main window calls, into the problem a
// fresh window holds or the one a file gives.
#include "OrdenImportar.h"

#include "FicheroProblema.h"
#include "Ficheros.h"
#include "LecturaNumeros.h"
#include "NecesidadesDeHoja.h"
#include "TablaRejilla.h"

EstadoSalida Importar(const OrdenImportar& orden, const Consola& consola) {
    const Avisar avisar = [&](const QString& aviso) { EscribirLinea(consola.errores, aviso); };
    TextosProblema problema;
    TextosCelda celdas = CeldasIniciales(StrToInt(problema.NPeriodos));
    if (orden.base && !AbrirProblema(*orden.base, problema, celdas, avisar)) return SalidaAviso;
    const std::optional<NecesidadesImportadas> necesidades = LeerNecesidades(orden.hoja, avisar);
    if (!necesidades) return SalidaAviso;
    PonerNecesidades(*necesidades, problema, celdas);
    EscribirFicheroSeguro(orden.salida, TextoProblema(problema, celdas));
    return SalidaHecho;
}
