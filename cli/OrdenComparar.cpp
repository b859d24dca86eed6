// Comparing the methods on one problem file through the same functions the main window calls.
#include "OrdenComparar.h"

#include "LibroCalculo.h"
#include "OrdenResolver.h"
#include "TextosComparacion.h"

EstadoSalida Comparar(const OrdenComparar& orden, const Consola& consola) {
    const Avisar avisar = [&](const QString& aviso) { EscribirLinea(consola.errores, aviso); };
    const std::optional<ResultadoCalculo> resultado =
        CalcularFichero(orden.problema, {LotificacionOptimo, orden.redondear}, avisar);
    if (!resultado) return SalidaAviso;

    const QChar tabulador(u'\t');
    EscribirLinea(consola.salida, CabeceraComparacion().join(tabulador));
    for (const TextosFilaComparacion& fila : TextosComparacion(resultado->Comparacion))
        EscribirLinea(consola.salida, fila.Celdas.join(tabulador));
    Vaciar(consola.salida);
    if (orden.hoja)
        GuardarLibro(orden.hoja->ruta, LibroComparacion(*resultado), orden.hoja->formato);
    return SalidaHecho;
}
