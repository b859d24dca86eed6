// Solving one problem file through the same functions the main window calls.
#include "OrdenResolver.h"

#include "CalculoArticulo.h"
#include "Errores.h"
#include "FicheroSolucion.h"
#include "Ficheros.h"
#include "LibroCalculo.h"
#include "TextosExplicacion.h"
#include "TextosLotificacion.h"

std::optional<ResultadoCalculo>
CalcularFichero(const QString& ruta, const OpcionesFichero& opciones, const Avisar& avisar) {
    const std::optional<Articulo> articulo = ArticuloDeFichero(ruta, opciones, avisar);
    if (!articulo) return std::nullopt;
    return CalcularSeleccionada(*articulo);
}

EstadoSalida Resolver(const OrdenResolver& orden, const Consola& consola) {
    const Avisar avisar = [&](const QString& aviso) { EscribirLinea(consola.errores, aviso); };
    const std::optional<ResultadoCalculo> resultado =
        CalcularFichero(orden.problema, {orden.metodo, orden.redondear}, avisar);
    if (!resultado) return SalidaAviso;

    // "Guardar solución"; standard output is the explanation's when it is asked for.
    const QByteArray solucion = TextoSolucion(*resultado, orden.verCostes);
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

    if (orden.hoja) GuardarLibro(orden.hoja->ruta, LibroCalculo(*resultado), orden.hoja->formato);

    AnunciarMetodo(*resultado, consola);
    return SalidaHecho;
}

// No method was selected when the file's method was below 0; then nothing was planned.
void AnunciarMetodo(const ResultadoCalculo& resultado, const Consola& consola) {
    const QString metodo = TextoLotificacion(resultado.Metodo);
    if (metodo.isEmpty()) return;
    try {
        EscribirLinea(consola.errores, QStringLiteral("Lotificación: ") + metodo);
    } catch (const EInOutError&) {
        // The order's work is done by now: a lost notice does not undo it.
    }
}
