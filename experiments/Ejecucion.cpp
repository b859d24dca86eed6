// A whole run of experiments, step by step in the order the window has always followed.
#include "Ejecucion.h"

#include "CosteMetodo.h"
#include "Informe.h"
#include "Numeros.h"
#include "Traza.h"

#include <chrono>

namespace {

template <class Funcion, class... Argumentos>
void Llamar(const Funcion& funcion, Argumentos... argumentos) {
    if (funcion) funcion(argumentos...);
}

} // namespace

int PosicionProgreso(std::int64_t k, std::int32_t nExp) {
    const std::int64_t dividendo = 100 * k;
    std::int64_t cociente = dividendo / nExp;
    const std::int64_t doble = 2 * (dividendo % nExp);
    if (doble > nExp || (doble == nExp && cociente % 2 != 0)) ++cociente;
    return static_cast<int>(cociente);
}

QStringList EjecutarExperimentos(const TextosExperimento& textos, const QString& ficheroTraza,
                                 FuenteSorteos& sorteos, DatosExperimentos& datos,
                                 const ProgresoEjecucion& progreso) {
    InicializarEstadisticas(datos.Estadisticas);
    datos.EstadisticasOptimo.fill({});
    // The trace closes itself as soon as the run leaves, also on a failure: what was written
    // stays on disk and the next run can rewrite the file.
    Traza traza;
    traza.Abrir(ficheroTraza);
    sorteos.Sembrar();
    Llamar(progreso.Mostrar);
    datos.HoraInicio = QTime::currentTime();
    // The time of day misses a day change; the report takes the monotonic clock instead.
    const auto inicio = std::chrono::steady_clock::now();

    const std::int32_t nExp = StrToInt(textos.NExp);
    ProblemaAleatorio problema;
    std::optional<ParametrosExperimento> parametros;
    int posicion = 0;
    for (std::int64_t k = 1; k <= nExp; ++k) {
        if (parametros) {
            GenerarProblema(*parametros, sorteos, problema);
        } else {
            // The first problem converts every field as it goes, so a bad one is reported
            // where its draw needs it; nothing can change the fields afterwards.
            GenerarProblema(textos, sorteos, problema);
            parametros = ParametrosExperimento::Convertir(textos);
        }
        const auto experimento = static_cast<std::int32_t>(k);
        for (std::size_t i = 0; i < MetodosComparados.size(); ++i) {
            const TipoLotificacion m = MetodosComparados[i];
            const double c = CosteMetodo(m, problema.N, problema.Ts, 0, problema.Ce, problema.Cp,
                                         problema.Tabla);
            traza.Linea(experimento, problema.N, problema.Ts, problema.Ce, problema.Cp, m, c);
            datos.CostesExperimento[i] = c;
        }
        std::optional<double> optimo;
        if (textos.CompararOptimo) {
            optimo = CosteMetodo(LotificacionOptimo, problema.N, problema.Ts, 0, problema.Ce,
                                 problema.Cp, problema.Tabla);
            traza.Linea(experimento, problema.N, problema.Ts, problema.Ce, problema.Cp,
                        LotificacionOptimo, *optimo);
        }
        ActualizarEstadisticas(experimento, datos.CostesExperimento, datos.Estadisticas);
        if (optimo)
            ActualizarEstadisticasOptimo(experimento, datos.CostesExperimento, *optimo,
                                         datos.EstadisticasOptimo);
        const int nueva = PosicionProgreso(k, nExp);
        if (nueva != posicion) {
            posicion = nueva;
            Llamar(progreso.Posicion, posicion);
        }
    }

    datos.HoraFin = QTime::currentTime();
    datos.Segundos =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    Llamar(progreso.Ocultar);
    traza.Cerrar();
    QStringList informe = LineasInforme(textos.NExp, datos.Segundos, datos.Estadisticas);
    if (textos.CompararOptimo) informe += LineasInformeOptimo(datos.EstadisticasOptimo);
    return informe;
}
