// A whole run of experiments, as the run button performs it: statistics zeroed, trace file
// rewritten, random problems solved by the methods (the optimum too when asked), progress,
// timing and report.
#pragma once

#include "Estadisticas.h"
#include "Generador.h"
#include "ProblemaAleatorio.h"

#include <QString>
#include <QStringList>
#include <QTime>

#include <cstdint>
#include <functional>
#include <stop_token>
#include <vector>

// What a run leaves behind; it lives as long as the window that owns it.
struct DatosExperimentos {
    TEstadisticas Estadisticas{};
    TEstadisticasOptimo EstadisticasOptimo{}; // only when the run compares with the optimum
    TCostesExperimento CostesExperimento{};
    QTime HoraInicio;
    QTime HoraFin;
    double Segundos = 0;     // measured with a monotonic clock
    std::int64_t Hechos = 0; // experiments written to the trace and folded into the statistics
    bool Detenida = false;   // ended by a stop before its last experiment
};

// How the run shows its progress: the bar shown at 0, moved to each position, hidden at the end.
struct ProgresoEjecucion {
    std::function<void()> Mostrar;
    std::function<void(int posicion)> Posicion; // called only when the position changes
    std::function<void()> Ocultar;
};

// How a run is carried out; none of it changes the trace or the report.
struct OpcionesEjecucion {
    // A stop requested ends the run after the experiment in progress: the trace holds the
    // experiments done and the report is made over them.
    std::stop_token Parada;
    // The methods solved ahead on a second thread while this one draws and writes; by default
    // when the machine has a second core.
    bool SegundoHilo = HaySegundoNucleo();

    static bool HaySegundoNucleo();
};

// The methods every experiment of a run solves, one trace line each, in this order: those the
// best-of choice compares, then the optimum when the run compares with it.
std::vector<TipoLotificacion> MetodosDeLaEjecucion(const TextosExperimento& textos);

// The line a stopped run's report ends with.
extern const QString LineaDetenida;

// Runs the experiments and returns the report lines. A failure throws at once, with the trace
// file already closed; what was done stays done and no report is made. The caller refuses the
// fields with ComprobarParametros first.
QStringList EjecutarExperimentos(const TextosExperimento& textos, const QString& ficheroTraza,
                                 FuenteSorteos& sorteos, DatosExperimentos& datos,
                                 const ProgresoEjecucion& progreso,
                                 const OpcionesEjecucion& opciones = {});

// The progress bar's position after experiment k of nExp (above 0): round(100 * k / nExp), halves
// to even, exact for every 32-bit count.
int PosicionProgreso(std::int64_t k, std::int32_t nExp);
