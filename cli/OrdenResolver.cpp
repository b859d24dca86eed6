// Solving one problem file through the same functions the main window calls.
#include "OrdenResolver.h"

#include "Errores.h"
#include "FicheroProblema.h"
#include "FicheroSolucion.h"
#include "Ficheros.h"
#include "Numeros.h"
#include "TextosExplicacion.h"
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
    const std::optional<ResultadoCalculo> resultado =
        CalcularFichero(orden.problema, orden.metodo, problema, celdas, avisar);
    if (!resultado) return SalidaAviso;

    // "Guardar solución"; standard output is the explanation's when it is asked for.
    const QByteArray solucion = TextoSolucion(problema.NPeriodos, problema.VerCostes, celdas);
    if (orden.salida) {
        EscribirFicheroSeguro(*orden.salida, solucion);
    } else if (!orden.explicar) {
        EscribirBytes(consola.salida, solucion);
        Vaciar(consola.salida);
    }
    if (orden.explicar) {
        for (const QString& linea : LineasTabuladas(TextosExplicacion(*resultado)))
            EscribirLinea(consola.salida, linea);
        Vaciar(consola.salida);
    }

    AnunciarMetodo(problema, consola);
    return SalidaHecho;
}

// No item is selected when the file's method was below 0; then nothing was planned.
void AnunciarMetodo(const TextosProblema& problema, const Consola& consola) {
    const QString metodo = TextoLotificacion(problema.Metodo);
    if (metodo.isEmpty()) return;
    try {
        EscribirLinea(consola.errores, QStringLiteral("Lotificación: ") + metodo);
    } catch (const EInOutError&) {
        // The order's work is done by now: a lost notice does not undo it.
    }
}
