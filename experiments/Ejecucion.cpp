// A whole run of experiments, step by step in the order the window has always followed. The
// methods may be solved ahead on a second thread; everything the user sees (trace lines,
// statistics, progress, failures) still happens here, experiment by experiment, in order.
#include "Ejecucion.h"

#include "EspacioTraza.h"
#include "Informe.h"
#include "Numeros.h"
#include "ResolucionAdelantada.h"
#include "Traza.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <stdexcept>
#include <thread>

#include <sched.h>

const QString LineaDetenida = QStringLiteral("Ejecución detenida por el usuario.");

namespace {

template <class Funcion, class... Argumentos>
void Llamar(const Funcion& funcion, Argumentos... argumentos) {
    if (funcion) funcion(argumentos...);
}

// Draws the problems of the run in order. The first converts every field as it goes, so a bad
// one is reported where its draw needs it; nothing can change the fields afterwards.
class Sorteo {
public:
    Sorteo(const TextosExperimento& textos, FuenteSorteos& sorteos, std::int32_t nExp)
        : textos_(textos), sorteos_(sorteos), generador_(dynamic_cast<Generador*>(&sorteos)),
          nExp_(nExp) {}

    bool Terminado() const { return terminado_ || sorteados_ >= nExp_; }

    // Fills the block with the next problems; a failure is kept in it, and ends the drawing.
    void Llenar(BloqueExperimentos& bloque) {
        try {
            while (bloque.cuantos < bloque.experimentos.size() && sorteados_ < nExp_) {
                if (parametros_ && generador_) {
                    GenerarProblema(*parametros_, *generador_, problema_);
                } else if (parametros_) {
                    GenerarProblema(*parametros_, sorteos_, problema_);
                } else {
                    GenerarProblema(textos_, sorteos_, problema_);
                    parametros_ = ParametrosExperimento::Convertir(textos_);
                }
                ++sorteados_;
                bloque.experimentos[bloque.cuantos++].Poner(static_cast<std::int32_t>(sorteados_),
                                                            problema_);
            }
        } catch (...) {
            bloque.falloSorteo = std::current_exception();
            terminado_ = true;
        }
    }

private:
    const TextosExperimento& textos_;
    FuenteSorteos& sorteos_;
    Generador* const generador_; // the same draws, when they come from the generator itself
    const std::int64_t nExp_;
    std::int64_t sorteados_ = 0;
    bool terminado_ = false;
    std::optional<ParametrosExperimento> parametros_;
    ProblemaAleatorio problema_;
};

} // namespace

// The processors this process may run on (taskset, a container's limit), not those of the machine.
bool OpcionesEjecucion::HaySegundoNucleo() {
    cpu_set_t procesadores;
    if (sched_getaffinity(0, sizeof procesadores, &procesadores) == 0)
        return CPU_COUNT(&procesadores) > 1;
    return std::thread::hardware_concurrency() > 1;
}

std::vector<TipoLotificacion> MetodosDeLaEjecucion(const TextosExperimento& textos) {
    std::vector<TipoLotificacion> metodos(MetodosComparados.begin(), MetodosComparados.end());
    if (textos.CompararOptimo) metodos.push_back(LotificacionOptimo);
    return metodos;
}

int PosicionProgreso(std::int64_t k, std::int32_t nExp) {
    const std::int64_t dividendo = 100 * k;
    std::int64_t cociente = dividendo / nExp;
    const std::int64_t doble = 2 * (dividendo % nExp);
    if (doble > nExp || (doble == nExp && cociente % 2 != 0)) ++cociente;
    return static_cast<int>(cociente);
}

QStringList EjecutarExperimentos(const TextosExperimento& textos, const QString& ficheroTraza,
                                 FuenteSorteos& sorteos, DatosExperimentos& datos,
                                 const ProgresoEjecucion& progreso,
                                 const OpcionesEjecucion& opciones) {
    const std::vector<TipoLotificacion> metodos = MetodosDeLaEjecucion(textos);
    InicializarEstadisticas(datos.Estadisticas);
    datos.EstadisticasOptimo.fill({});
    datos.Hechos = 0;
    datos.Detenida = false;
    // The trace closes itself as soon as the run leaves, also on a failure: what was written
    // stays on disk and the next run can rewrite the file. The disk holds the whole trace before
    // the old one is written over.
    Traza traza;
    traza.Abrir(ficheroTraza, EstimacionTraza(textos));
    sorteos.Sembrar();
    Llamar(progreso.Mostrar);
    datos.HoraInicio = QTime::currentTime();
    // The time of day misses a day change; the report takes the monotonic clock instead.
    const auto inicio = std::chrono::steady_clock::now();

    const std::int32_t nExp = StrToInt(textos.NExp);
    {
        Sorteo sorteo(textos, sorteos, nExp);
        ResolucionAdelantada resolucion(metodos, opciones.SegundoHilo && nExp > 0);
        int posicion = 0;
        std::int64_t k = 0;
        while (!datos.Detenida) {
            // Drawing comes first while a block is free, so the solving never waits for it.
            if (!sorteo.Terminado()) {
                if (BloqueExperimentos* libre = resolucion.Libre()) {
                    sorteo.Llenar(*libre);
                    resolucion.Entregar();
                    continue;
                }
            }
            if (!resolucion.Pendiente()) break;
            const BloqueExperimentos& bloque = resolucion.Recoger();
            for (std::size_t j = 0; j < bloque.cuantos; ++j) {
                const ExperimentoEnCurso& e = bloque.experimentos[j];
                const auto experimento = static_cast<std::int32_t>(++k);
                traza.Escribir(e.lineas.data(), e.largo);
                std::copy_n(e.costes.begin(), std::min(e.resueltos, datos.CostesExperimento.size()),
                            datos.CostesExperimento.begin());
                if (e.fallo) std::rethrow_exception(e.fallo);
                ActualizarEstadisticas(experimento, datos.CostesExperimento, datos.Estadisticas);
                if (textos.CompararOptimo)
                    ActualizarEstadisticasOptimo(experimento, datos.CostesExperimento,
                                                 e.costes[NumeroMetodos], datos.EstadisticasOptimo);
                datos.Hechos = k;
                const int nueva = PosicionProgreso(k, nExp);
                if (nueva != posicion) {
                    posicion = nueva;
                    Llamar(progreso.Posicion, posicion);
                }
                if (opciones.Parada.stop_requested() && k < nExp) {
                    datos.Detenida = true;
                    break;
                }
            }
            if (!datos.Detenida && bloque.falloSorteo) std::rethrow_exception(bloque.falloSorteo);
            resolucion.Devolver();
        }
    }

    datos.HoraFin = QTime::currentTime();
    datos.Segundos =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    Llamar(progreso.Ocultar);
    traza.Cerrar();
    QStringList informe =
        LineasInforme(datos.Detenida ? QString::number(datos.Hechos) : textos.NExp, datos.Segundos,
                      datos.Estadisticas);
    if (textos.CompararOptimo) informe += LineasInformeOptimo(datos.EstadisticasOptimo);
    if (datos.Detenida) informe << LineaDetenida;
    return informe;
}
