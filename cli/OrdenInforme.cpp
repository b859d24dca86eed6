// Writing the report of one problem file through the same functions the main window calls.
#include "OrdenInforme.h"

#include "ContenidoInforme.h"
#include "FicheroProyecto.h"
#include "Ficheros.h"
#include "OrdenExplotar.h"
#include "OrdenResolver.h"
#include "PinturaInforme.h"

EstadoSalida EscribirInforme(const OrdenInforme& orden, const Consola& consola) {
    if (EsFicheroProyecto(orden.problema)) {
        OrdenExplotar explotar;
        explotar.proyecto = orden.problema;
        explotar.informe = orden.salida;
        explotar.metodo = orden.metodo;
        explotar.verCostes = orden.verCostes;
        explotar.redondear = orden.redondear;
        return ExplotarFichero(explotar, consola);
    }
    const Avisar avisar = [&](const QString& aviso) { EscribirLinea(consola.errores, aviso); };
    EntradaInforme entrada;
    static_cast<EleccionInforme&>(entrada) = orden.eleccion;
    entrada.Problema.VerCostes = orden.verCostes;
    entrada.Calculo = CalcularFichero(orden.problema, {orden.metodo, orden.redondear}, avisar);
    if (!entrada.Calculo) return SalidaAviso;
    entrada.FicheroProblema = orden.problema;
    EscribirFicheroSeguro(orden.salida, InformePdf(ConstruirInforme(entrada)));
    AnunciarMetodo(*entrada.Calculo, consola);
    return SalidaHecho;
}
