// Writing a sheet of exercises through the same functions the main window calls.
#include "OrdenEjercicios.h"

#include "Errores.h"
#include "HojaEjercicios.h"

EstadoSalida EscribirEjercicios(const OrdenEjercicios& orden, const Consola& consola) {
    const std::optional<OpcionesEjercicios> opciones = LeerOpcionesEjercicios(
        orden.textos, [&](const QString& aviso) { EscribirLinea(consola.errores, aviso); });
    if (!opciones) return SalidaAviso;
    const HojaEscrita hoja = EscribirHoja(*opciones, orden.carpeta);
    try {
        EscribirLinea(consola.errores, QStringLiteral("Semilla: %1").arg(hoja.Semilla));
    } catch (const EInOutError&) {
        // The sheet is written by now: a lost notice does not undo it.
    }
    return SalidaHecho;
}
