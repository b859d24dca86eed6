// A run of experiments off the interface thread, so that the windows stay alive while it lasts:
// EjecutarExperimentos runs on a thread of its own, and its progress and its end, with the
// results or the failure, come back to the interface thread as queued signals.
#pragma once

#include "Ejecucion.h"
#include "Generador.h"
#include "ProblemaAleatorio.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <exception>
#include <thread>

// What a run gives back, by value.
struct FinEjecucion {
    QStringList Informe;      // empty after a failure
    DatosExperimentos Datos;  // as far as the run got
    std::exception_ptr Fallo; // what ended it early; shown through the one error report
};

class HiloExperimentos : public QObject {
    Q_OBJECT
public:
    explicit HiloExperimentos(QObject* padre = nullptr);
    // Stops a run still going and waits for it.
    ~HiloExperimentos() override;

    // Starts a run; the draws must outlive it. The previous run must have ended (Terminada).
    void Empezar(const TextosExperimento& textos, const QString& ficheroTraza,
                 FuenteSorteos& sorteos);
    // From Empezar until the thread is waited for after Terminada.
    bool Activa() const { return hilo_.joinable(); }
    // The run ends after the experiment in progress, with the report of those done.
    void Detener() { hilo_.request_stop(); }
    // Waits for the thread, which has sent or is about to send Terminada.
    void Esperar();

signals:
    void BarraMostrada();
    void Posicion(int posicion);
    void BarraOcultada();
    void Terminada(const FinEjecucion& fin);

private:
    std::jthread hilo_;
};

Q_DECLARE_METATYPE(FinEjecucion)
