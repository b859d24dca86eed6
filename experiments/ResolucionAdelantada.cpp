// Solving the experiments of a run ahead of their trace lines, on a second thread or in turn.
#include "ResolucionAdelantada.h"

#include "CosteMetodo.h"

#include <algorithm>
#include <cstring>

void ExperimentoEnCurso::Poner(std::int32_t numero, const ProblemaAleatorio& problema) {
    k = numero;
    N = problema.N;
    Ts = problema.Ts;
    Ce = problema.Ce;
    Cp = problema.Cp;
    std::copy_n(problema.Tabla.NB.v.begin(), N + 1, NB.v.begin());
}

ResolucionAdelantada::ResolucionAdelantada(std::span<const TipoLotificacion> metodos,
                                           bool segundoHilo)
    : metodos_(metodos), borrador_(std::make_unique<Borrador>()) {
    if (segundoHilo) {
        borradorSegundo_ = std::make_unique<Borrador>();
        hilo_ = std::jthread([this](std::stop_token parada) { Resolutor(parada); });
    }
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
    // Made on first use: a short run never pays for the room of a long one.
    if (b.experimentos.empty()) b.experimentos.resize(PorBloque);
    b.cuantos = 0;
    b.falloSorteo = nullptr;
    return &b;
}

void ResolucionAdelantada::Entregar() {
    BloqueExperimentos& b = Bloque(entregados_);
    if (!hilo_.joinable()) {
        Resolver(b, *borrador_);
        b.estado = BloqueExperimentos::Estado::Resuelto;
        ++entregados_;
        return;
    }
    {
        const std::lock_guard cerrojo(mutex_);
        b.estado = BloqueExperimentos::Estado::PorResolver;
        ++entregados_;
    }
    cambio_.notify_all();
}

BloqueExperimentos& ResolucionAdelantada::Recoger() {
    using Estado = BloqueExperimentos::Estado;
    BloqueExperimentos& primero = Bloque(recogidos_);
    if (!hilo_.joinable()) return primero;
    std::unique_lock cerrojo(mutex_);
    while (primero.estado != Estado::Resuelto) {
        // The latest block waiting, and only while another waits for the second thread, which
        // takes the oldest: it never has to wait for this one to draw more.
        BloqueExperimentos* tomado = nullptr;
        int esperando = 0;
        for (std::size_t s = entregados_; s > recogidos_; --s) {
            if (Bloque(s - 1).estado != Estado::PorResolver) continue;
            if (++esperando == 1) tomado = &Bloque(s - 1);
        }
        if (esperando < 2) {
            cambio_.wait(cerrojo);
            continue;
        }
        tomado->estado = Estado::Resolviendose;
        cerrojo.unlock();
        Resolver(*tomado, *borrador_);
        cerrojo.lock();
        tomado->estado = Estado::Resuelto;
    }
    return primero;
}

// The second thread reads how many were taken back when it looks for a block to solve.
void ResolucionAdelantada::Devolver() {
    if (!hilo_.joinable()) {
        ++recogidos_;
        return;
    }
    const std::lock_guard cerrojo(mutex_);
    ++recogidos_;
}

namespace {

// The table of a random problem, entries 1 to `entradas`: its NB row, every other row zero. Two
// entries at a time in one loop: six calls to copy and fill rows of a few entries cost more than
// the entries themselves.
void PonerProblema(const TFilaMRP& NB, int entradas, TTablaMRP& t) {
    constexpr double ceros[2] = {0.0, 0.0};
    double* const filas[] = {t.D.v.data(), t.RP.v.data(), t.NN.v.data(), t.RPPL.v.data(),
                             t.PPL.v.data()};
    int i = 0;
    for (; i + 2 <= entradas; i += 2) {
        std::memcpy(t.NB.v.data() + i, NB.v.data() + i, sizeof ceros);
        for (double* fila : filas) std::memcpy(fila + i, ceros, sizeof ceros);
    }
    if (i < entradas) {
        t.NB.v[std::size_t(i)] = NB.v[std::size_t(i)];
        for (double* fila : filas) fila[i] = 0.0;
    }
}

} // namespace

// A random problem's table is its NB row with every other row zero (GenerarProblema). A failure
// ends the block: the run ends at that experiment, so none after it is ever read. The lines are
// those the trace would get one by one: a method that fails has none, and the quotient of the
// first line fails before it is written.
void ResolucionAdelantada::Resolver(BloqueExperimentos& bloque, Borrador& borrador) {
    TTablaMRP& t = borrador.tabla;
    for (std::size_t i = 0; i < bloque.cuantos; ++i) {
        ExperimentoEnCurso& e = bloque.experimentos[i];
        PonerProblema(e.NB, e.N + 1, t);
        e.fallo = nullptr;
        e.largo = 0;
        try {
            CostesMetodos(metodos_, ParametrosDeExperimento(e.N, e.Ts, e.Ce, e.Cp), t,
                          e.costes.data(), e.resueltos);
        } catch (...) {
            e.fallo = std::current_exception();
        }
        try {
            e.largo =
                borrador.lineas.Escribir(e.k, e.N, e.Ts, e.Ce, e.Cp, metodos_.first(e.resueltos),
                                         e.costes.data(), e.lineas.data());
        } catch (...) {
            e.fallo = std::current_exception();
        }
        if (e.fallo) return;
    }
}

// Takes the oldest block waiting; the run's thread may have taken some of them itself.
void ResolucionAdelantada::Resolutor(std::stop_token parada) {
    using Estado = BloqueExperimentos::Estado;
    std::unique_lock cerrojo(mutex_);
    std::size_t siguiente = 0; // no block before it waits
    while (!parada.stop_requested()) {
        siguiente = std::max(siguiente, recogidos_);
        while (siguiente < entregados_ && Bloque(siguiente).estado != Estado::PorResolver)
            ++siguiente;
        if (siguiente == entregados_) {
            cambio_.wait(cerrojo, parada, [&] { return entregados_ > siguiente; });
            continue;
        }
        BloqueExperimentos& b = Bloque(siguiente);
        b.estado = Estado::Resolviendose;
        cerrojo.unlock();
        Resolver(b, *borradorSegundo_);
        cerrojo.lock();
        b.estado = Estado::Resuelto;
        cambio_.notify_all();
    }
}
