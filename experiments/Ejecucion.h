// A whole run of experiments, as the run button performs it: statistics zeroed, trace file
// rewritten, random problems solved by the six methods (and the optimum when asked), progress,
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

// What a run leaves behind; it lives as long as the window that owns it.
struct DatosExperimentos {
    TEstadisticas Estadisticas{};
    TEstadisticasOptimo EstadisticasOptimo{}; // only when the run compares with the optimum
    TCostesExperimento CostesExperimento{};
    QTime HoraInicio;
    QTime HoraFin;
    double Segundos = 0; // measured with a monotonic clock
};

// How the run shows its progress: the bar shown at 0, moved to each position, hidden at the end.
struct ProgresoEjecucion {
    std::function<void()> Mostrar;
    std::function<void(int posicion)> Posicion; // called only when the position changes
    std::function<void()> Ocultar;
};

// Runs the experiments and returns the report lines. A failure throws at once, with the trace
// file already closed; what was done stays done and no report is made. The caller refuses the
// fields with ComprobarParametros first.
QStringList EjecutarExperimentos(const TextosExperimento& textos, const QString& ficheroTraza,
                                 FuenteSorteos& sorteos, DatosExperimentos& datos,
                                 const ProgresoEjecucion& progreso);

// The progress bar's position after experiment k of nExp (above 0): round(100 * k / nExp), halves
// to even, exact for every 32-bit count.
int PosicionProgreso(std::int64_t k, std::int32_t nExp);
