// Solving one problem file through the same functions the main window calls.
#include "OrdenResolver.h"

#include "CalculoProblema.h"
#include "FicheroProblema.h"
#include "FicheroSolucion.h"
#include "Ficheros.h"
#include "TextosLotificacion.h"

namespace {

// The number of periods a fresh main window shows.
constexpr int PeriodosIniciales = 8;

} // namespace

EstadoSalida Resolver(const OrdenResolver& orden, const Consola& consola) {
    // "Abrir": the whole file is read and converted before the problem changes.
    const ProblemaLeido leido = LeerTextoProblema(LeerLineas(orden.problema, NumeroLineasProblema));
    if (leido.N < 0 || leido.N > MaxPeriodos) {
        EscribirLinea(consola.errores, AvisoPeriodos);
        return SalidaAviso;
    }
    TextosProblema problema;
    problema.VerCostes = orden.verCostes;
    problema.Redondear = orden.redondear;
    TextosCelda celdas = CeldasIniciales(PeriodosIniciales);
    AplicarProblema(leido, problema, celdas);

    // "Calcular": every warning is shown, in order, before the command gives up.
    const Avisar avisar = [&](const QString& aviso) { EscribirLinea(consola.errores, aviso); };
    if (!ComandoCalcular(problema, celdas, avisar)) return SalidaAviso;

    // "Guardar solución".
    const QByteArray solucion = TextoSolucion(problema.NPeriodos, problema.VerCostes, celdas);
    if (orden.salida) {
        EscribirFicheroSeguro(*orden.salida, solucion);
    } else {
        EscribirBytes(consola.salida, solucion);
        Vaciar(consola.salida);
    }

    // No item is selected when the file's method was below 0; then nothing was planned.
    const QString metodo = TextoLotificacion(problema.Metodo);
    if (!metodo.isEmpty())
        EscribirLinea(consola.errores, QStringLiteral("Lotificación: ") + metodo);
    return SalidaHecho;
}
