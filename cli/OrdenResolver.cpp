// Solving one problem file through the same functions the main window calls.
#include "OrdenResolver.h"

#include "FicheroProblema.h"
#include "FicheroSolucion.h"
#include "Ficheros.h"
#include "Numeros.h"
#include "TextosLotificacion.h"

std::optional<ResultadoCalculo> CalcularFichero(const QString& ruta,
                                                std::optional<TipoLotificacion> metodo,
                                                TextosProblema& problema, TextosCelda& celdas,
                                                const Avisar& avisar) {
    // The grid of a fresh main window.
    celdas = CeldasIniciales(StrToInt(problema.NPeriodos));
    if (!AbrirProblema(ruta, problema, celdas, avisar)) return std::nullopt;
    if (metodo) problema.Metodo = *metodo;
    // "Calcular": every warning is shown, in order, before the command gives up.
    return ComandoCalcular(problema, celdas, avisar);
}

EstadoSalida Resolver(const OrdenResolver& orden, const Consola& consola) {
    const Avisar avisar = [&](const QString& aviso) { EscribirLinea(consola.errores, aviso); };
    TextosProblema problema;
    problema.VerCostes = orden.verCostes;
    problema.Redondear = orden.redondear;
    TextosCelda celdas;
    if (!CalcularFichero(orden.problema, orden.metodo, problema, celdas, avisar))
        return SalidaAviso;

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
