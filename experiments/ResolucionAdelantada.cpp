// Solving the experiments of a run ahead of their trace lines, on a second thread or in turn.
#include "ResolucionAdelantada.h"

#include "CosteMetodo.h"

#include <algorithm>

void ExperimentoEnCurso::Poner(const ProblemaAleatorio& problema) {
    N = problema.N;
    Ts = problema.Ts;
    Ce = problema.Ce;
    Cp = problema.Cp;
    std::copy_n(problema.Tabla.NB.v.begin(), N + 1, NB.v.begin());
}

ResolucionAdelantada::ResolucionAdelantada(std::span<const TipoLotificacion> metodos,
                                           bool segundoHilo)
    : metodos_(metodos), tabla_(std::make_unique<TTablaMRP>()) {
    for (BloqueExperimentos& b : bloques_) b.experimentos.resize(PorBloque);
    if (segundoHilo) hilo_ = std::jthread([this](std::stop_token parada) { Resolutor(parada); });
}

ResolucionAdelantada::~ResolucionAdelantada() {
    if (hilo_.joinable()) {
        hilo_.request_stop();
        hilo_.join();
    }
}

BloqueExperimentos* ResolucionAdelantada::Libre() {
    if (entregados_ - recogidos_ == Bloques) return nullptr;
    BloqueExperimentos& b = Bloque(entregados_);
    b.cuantos = 0;
    b.falloSorteo = nullptr;
    return &b;
}

void ResolucionAdelantada::Entregar() {
    if (!hilo_.joinable()) {
        Resolver(Bloque(entregados_));
        ++entregados_;
        ++resueltos_;
        return;
    }
    {
        const std::lock_guard cerrojo(mutex_);
        ++entregados_;
    }
    cambio_.notify_all();
}

BloqueExperimentos& ResolucionAdelantada::Recoger() {
    if (hilo_.joinable()) {
        std::unique_lock cerrojo(mutex_);
        cambio_.wait(cerrojo, [this] { return resueltos_ > recogidos_; });
    }
    return Bloque(recogidos_);
}

void ResolucionAdelantada::Devolver() {
    ++recogidos_;
}

// A random problem's table is its NB row with every other row zero (GenerarProblema). A failure
// ends the block: the run ends at that experiment, so none after it is ever read.
void ResolucionAdelantada::Resolver(BloqueExperimentos& bloque) {
    TTablaMRP& t = *tabla_;
    for (std::size_t i = 0; i < bloque.cuantos; ++i) {
        ExperimentoEnCurso& e = bloque.experimentos[i];
        const int entradas = e.N + 1;
        std::copy_n(e.NB.v.begin(), entradas, t.NB.v.begin());
        for (TFilaMRP* fila : {&t.D, &t.RP, &t.NN, &t.RPPL, &t.PPL})
            std::fill_n(fila->v.begin(), entradas, 0.0);
        e.fallo = nullptr;
        try {
            CostesMetodos(metodos_, e.N, e.Ts, 0, e.Ce, e.Cp, t, e.costes.data(), e.resueltos);
        } catch (...) {
            e.fallo = std::current_exception();
            return;
        }
    }
}

void ResolucionAdelantada::Resolutor(std::stop_token parada) {
    std::unique_lock cerrojo(mutex_);
    while (cambio_.wait(cerrojo, parada, [this] { return entregados_ > resueltos_; }) &&
           !parada.stop_requested()) {
        BloqueExperimentos& b = Bloque(resueltos_);
        cerrojo.unlock();
        Resolver(b);
        cerrojo.lock();
        ++resueltos_;
        cambio_.notify_all();
    }
}
