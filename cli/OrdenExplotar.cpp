// Exploding a project file through the same functions a project window calls.
#include "OrdenExplotar.h"

#include "CarpetaExplosion.h"
#include "Ficheros.h"
#include "InformeProyecto.h"
#include "LibroProyecto.h"
#include "PinturaInforme.h"
#include "ProyectoYProblema.h"
#include "TextosProyecto.h"

EstadoSalida ExplotarFichero(const OrdenExplotar& orden, const Consola& consola) {
    const Avisar avisar = [&](const QString& aviso) { EscribirLinea(consola.errores, aviso); };
    const std::optional<Proyecto> proyecto =
        AbrirComoProyecto(orden.proyecto, {orden.metodo, orden.redondear}, avisar);
    if (!proyecto) return SalidaAviso;
    const std::optional<ResultadoProyecto> resultado =
        ExplotarProyecto(*proyecto, orden.metodo, avisar);
    if (!resultado) return SalidaAviso;

    if (orden.carpeta)
        EscribirCarpetaExplosion(*orden.carpeta, *proyecto, *resultado, orden.verCostes,
                                 orden.problemas);
    std::vector<PoliticaProyecto> politicas;
    if (orden.comparar || orden.informe) politicas = CompararPoliticas(*proyecto);
    if (orden.comparar) {
        const QChar tabulador(u'\t');
        EscribirLinea(consola.salida, CabeceraPoliticas().join(tabulador));
        for (const QStringList& fila : FilasPoliticas(politicas))
            EscribirLinea(consola.salida, fila.join(tabulador));
        Vaciar(consola.salida);
    }
    if (orden.informe)
        EscribirFicheroSeguro(*orden.informe, InformePdf(ConstruirInformeProyecto(
                                                  *proyecto, *resultado, politicas,
                                                  {orden.proyecto, orden.verCostes})));
    if (orden.hoja)
        GuardarLibro(orden.hoja->ruta, LibroProyecto(*proyecto, *resultado), orden.hoja->formato);
    if (!orden.carpeta && !orden.comparar && !orden.informe) {
        EscribirBytes(consola.salida, TextoResumen(*proyecto, *resultado));
        Vaciar(consola.salida);
    }
    return SalidaHecho;
}
