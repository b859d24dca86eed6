// The experiments of a run on their way from the drawing to the trace: drawn in blocks on the
// run's thread, solved and their trace lines made on a second thread while the next blocks are
// drawn and the earlier ones written, and handed back in order. The run's thread, rather than
// wait for a block, solves a later one itself, so the two threads share the work as their other
// work allows. With one thread each block is solved as it is handed over; what comes back is the
// same.
#pragma once

#include "LotificaUnit.h"
#include "ProblemaAleatorio.h"
#include "Traza.h"

#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

// One experiment: its problem as drawn, then what solving it gave.
struct ExperimentoEnCurso {
    std::int32_t k = 0; // its number in the run, from 1
    std::int32_t N = 0, Ts = 0;
    double Ce = 0, Cp = 0;
    TFilaMRP NB;               // entries 1 to N + 1; every other row of a random problem is zero
    std::size_t resueltos = 0; // methods solved, in the order of the list
    std::array<double, MetodosLotificacion.size()> costes{};
    // Its trace lines, those of the methods solved; then what ended the run there, if anything:
    // a method that failed, or the quotient Ce / Cp of the lines.
    std::size_t largo = 0;
    std::array<char, LineasTraza::PorLinea * MetodosLotificacion.size()> lineas;
    std::exception_ptr fallo;

    void Poner(std::int32_t numero, const ProblemaAleatorio& problema);
};

struct BloqueExperimentos {
    std::vector<ExperimentoEnCurso> experimentos; // full size once used; `cuantos` in use
    std::size_t cuantos = 0;
    std::exception_ptr falloSorteo; // the drawing of the experiment after them failed
    // Handed over to be solved, taken by a thread that solves it, solved.
    enum class Estado { PorResolver, Resolviendose, Resuelto } estado = Estado::Resuelto;
};

class ResolucionAdelantada {
public:
    static constexpr std::size_t PorBloque = 64;

    // metodos: the methods of every experiment, in order; must outlive this object.
    ResolucionAdelantada(std::span<const TipoLotificacion> metodos, bool segundoHilo);
    // Stops the second thread, which ends the block it is solving first.
    ~ResolucionAdelantada();
    ResolucionAdelantada(const ResolucionAdelantada&) = delete;
    ResolucionAdelantada& operator=(const ResolucionAdelantada&) = delete;

    // The next block to draw into, emptied; null while every block is on its way.
    BloqueExperimentos* Libre();
    // The block Libre gave, drawn: it is solved from now on.
    void Entregar();
    // Blocks handed over and not yet taken back.
    bool Pendiente() const { return entregados_ > recogidos_; }
    // The oldest block handed over, once solved; while it is being solved, this thread solves
    // the latest block still waiting. It stays valid until Devolver.
    BloqueExperimentos& Recoger();
    void Devolver();

private:
    static constexpr std::size_t Bloques = 16;
    BloqueExperimentos& Bloque(std::size_t secuencia) { return bloques_[secuencia % Bloques]; }
    // What the thread that solves a block works with.
    struct Borrador {
        TTablaMRP tabla;
        LineasTraza lineas;
    };
    void Resolver(BloqueExperimentos& bloque, Borrador& borrador);
    void Resolutor(std::stop_token parada);

    std::span<const TipoLotificacion> metodos_;
    std::array<BloqueExperimentos, Bloques> bloques_;
    // Of the run's thread, of the second.
    std::unique_ptr<Borrador> borrador_, borradorSegundo_;
    // Blocks counted from the start of the run: handed over, taken back. The states of the
    // blocks between them are kept under the mutex.
    std::size_t entregados_ = 0, recogidos_ = 0;
    std::mutex mutex_;
    std::condition_variable_any cambio_;
    std::jthread hilo_; // last: it stops before anything it uses is destroyed
};
