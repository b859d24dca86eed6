// Grading solution files through the same functions "Comprobar mi solución" calls.
#include "OrdenCorregir.h"

#include "Correccion.h"
#include "OrdenResolver.h"

EstadoSalida Corregir(const OrdenCorregir& orden, const Consola& consola) {
    const Avisar avisar = [&](const QString& aviso) { EscribirLinea(consola.errores, aviso); };
    const std::optional<ResultadoCalculo> exacto =
        CalcularFichero(orden.problema, {orden.metodo, true}, avisar);
    if (!exacto) return SalidaAviso;
    bool todas = true;
    for (const QString& solucion : orden.soluciones) {
        const LineaCorreccion linea =
            CorregirSolucion(solucion, *exacto, orden.tolerancia, orden.paso);
        EscribirLinea(consola.salida, linea.Texto);
        todas = todas && linea.Corregida;
    }
    Vaciar(consola.salida);
    return todas ? SalidaHecho : SalidaAviso;
}
