// What several methods solved one after another from one input share: the input itself, kept to
// be put back, and the passes they begin with identically, made once and copied into the table
// of every later method that begins with them. A method solved alone gets no PasadasComunes and
// makes its passes itself.
#pragma once

#include "FilasDelPlan.h"
#include "RegistroMRP.h"

#include <cstdint>

// A routine given a PasadasComunes may find in the table, instead of the input, the plan of the
// method solved before it: the rows methods write (D from period 2, NN, RPPL after TS, PPL up to
// N - TS) may hold anything. It must not read them before writing them, or must call Entrada
// first. Every other entry is input that no method writes, and reads the same in any case.
class PasadasComunes {
public:
    // The passes methods begin with: each is a function of the input alone.
    enum class Pasada {
        LoteALote,          // all of code 0, and the start of POQ; reads no row methods write
        ReproyeccionInicial // the start of codes 3 to 5 and 7; reads the input's releases
    };
    // The mean demand of the horizon and the economic lot before any rounding (EOQ and POQ).
    struct DemandaMedia {
        double Media;
        double Q;
    };

    // Keeps the input that Tabla holds now.
    PasadasComunes(std::int32_t NPeriodos, const TTablaMRP& Tabla) : NPeriodos_(NPeriodos) {
        entrada_.Guardar(Tabla, NPeriodos);
    }

    // Puts the input back in the rows methods write, if a method has written them since.
    void Entrada(TTablaMRP& Tabla) {
        if (!escrita_) return;
        entrada_.Poner(Tabla, NPeriodos_);
        escrita_ = false;
    }
    // A method is about to write the table.
    void Escribiendo() { escrita_ = true; }

    // Leaves the pass in Tabla: the first time hacer(Tabla) makes it, on the input, and what it
    // wrote is kept; afterwards it is copied. A pass that throws keeps nothing.
    template <class Funcion> void Hacer(Pasada cual, TTablaMRP& Tabla, Funcion hacer) {
        Guardada& g = guardadas_[static_cast<int>(cual)];
        if (g.hecha) {
            g.filas.Poner(Tabla, NPeriodos_);
            return;
        }
        if (cual != Pasada::LoteALote) {
            Entrada(Tabla);
            escrita_ = true;
        }
        hacer(Tabla);
        g.filas.Guardar(Tabla, NPeriodos_);
        g.hecha = true;
    }

    template <class Calcular> DemandaMedia Demanda(Calcular calcular) {
        if (!demandaHecha_) {
            demanda_ = calcular();
            demandaHecha_ = true;
        }
        return demanda_;
    }

private:
    struct Guardada {
        bool hecha = false;
        motor::FilasDelPlan filas;
    };
    std::int32_t NPeriodos_;
    motor::FilasDelPlan entrada_;
    bool escrita_ = false;
    Guardada guardadas_[2];
    DemandaMedia demanda_{};
    bool demandaHecha_ = false;
};

namespace motor {

// A routine's first pass: made here when it runs alone, shared when it runs among others.
template <class Funcion>
void PasadaInicial(PasadasComunes* pasadas, PasadasComunes::Pasada cual, TTablaMRP& Tabla,
                   Funcion hacer) {
    if (pasadas)
        pasadas->Hacer(cual, Tabla, hacer);
    else
        hacer(Tabla);
}

// Always inline: with the observed instantiations of EOQ and POQ calling it as well, the compiler
// would keep it out of line, and the call costs the short horizons a few percent.
template <class Calcular>
[[gnu::always_inline]] inline PasadasComunes::DemandaMedia DemandaInicial(PasadasComunes* pasadas,
                                                                          Calcular calcular) {
    return pasadas ? pasadas->Demanda(calcular) : calcular();
}

} // namespace motor
