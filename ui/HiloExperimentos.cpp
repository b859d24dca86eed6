// Running the experiments on a thread of their own.
#include "HiloExperimentos.h"

HiloExperimentos::HiloExperimentos(QObject* padre) : QObject(padre) {
    qRegisterMetaType<FinEjecucion>();
}

HiloExperimentos::~HiloExperimentos() {
    Detener();
    Esperar();
}

void HiloExperimentos::Esperar() {
    if (hilo_.joinable()) hilo_.join();
}

// The signals are sent from the run's thread; the window lives on the interface thread, so they
// reach it queued, in the order they were sent.
void HiloExperimentos::Empezar(const TextosExperimento& textos, const QString& ficheroTraza,
                               FuenteSorteos& sorteos) {
    Esperar();
    hilo_ = std::jthread([this, textos, ficheroTraza, &sorteos](std::stop_token parada) {
        const ProgresoEjecucion progreso{[this] { emit BarraMostrada(); },
                                         [this](int posicion) { emit Posicion(posicion); },
                                         [this] { emit BarraOcultada(); }};
        OpcionesEjecucion opciones;
        opciones.Parada = parada;
        FinEjecucion fin;
        try {
            fin.Informe =
                EjecutarExperimentos(textos, ficheroTraza, sorteos, fin.Datos, progreso, opciones);
        } catch (...) {
            fin.Fallo = std::current_exception();
        }
        emit Terminada(fin);
    });
}
