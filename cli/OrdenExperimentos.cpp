// Running experiments through the same functions the experiments window calls.
#include "OrdenExperimentos.h"

#include "ComprobarParametros.h"
#include "Ejecucion.h"
#include "EspacioTraza.h"
#include "Generador.h"
#include "LibroExperimentos.h"

namespace {

// A percentage rewritten in place; only worth it on a terminal, which the caller decides.
ProgresoEjecucion Progreso(const Consola& consola) {
    if (!consola.mostrarProgreso) return {};
    std::ostream& errores = consola.errores;
    return {[&errores] { errores << "\r  0 %" << std::flush; },
            [&errores](int posicion) {
                errores << '\r' << QStringLiteral("%1 %").arg(posicion, 3).toStdString()
                        << std::flush;
            },
            [&errores] { errores << "\r     \r" << std::flush; }};
}

} // namespace

EstadoSalida Experimentar(const OrdenExperimentos& orden, const Consola& consola) {
    TextosExperimento textos = TextosConCampos(orden.campos);
    textos.CompararOptimo = orden.optimo;
    std::optional<QString> aviso = ComprobarParametros(textos);
    if (!aviso) aviso = ComprobarEspacioTraza(textos, orden.traza);
    if (aviso) {
        EscribirLinea(consola.errores, *aviso);
        return SalidaAviso;
    }
    // The semilla is chosen here rather than by the generator, so that the workbook can name it.
    const std::uint32_t semilla = orden.semilla.value_or(Generador::SemillaDelReloj());
    Generador generador(semilla);
    DatosExperimentos datos;
    const QStringList informe =
        EjecutarExperimentos(textos, orden.traza, generador, datos, Progreso(consola));
    for (const QString& linea : informe) EscribirLinea(consola.salida, linea);
    Vaciar(consola.salida);
    if (orden.hoja)
        GuardarLibro(orden.hoja->ruta, LibroExperimentos({textos, semilla, orden.traza}, datos),
                     orden.hoja->formato);
    return SalidaHecho;
}
