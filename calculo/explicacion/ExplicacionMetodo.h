// How one method made its plan: it hears the decisions the method reports while planning (the
// events declared beside the method's routine), keeps them as plain records and writes them as
// blocks of text. Each method has one, in a file of its own beside the others.
#pragma once

#include "Articulo.h"
#include "BloqueExplicacion.h"
#include "ObservadorLotificacion.h"
#include "Redaccion.h"

#include <memory>

class ExplicacionMetodo : public ObservadorLotificacion {
public:
    // After the method has planned the item's input with this recorder and chosen `elegido` (the
    // method itself, or the winner of a choice among methods).
    virtual void Terminar(const Articulo& /*articulo*/, TipoLotificacion /*elegido*/) {}
    // The blocks that tell how the plan of the item was made with the method of code `metodo`,
    // its quantities written by N.
    virtual void Redactar(const Articulo& articulo, TipoLotificacion metodo,
                          const redaccion::Cifras& N, Bloques& bloques) const = 0;
};

// A recorder for the method of that code; null for a code that names no method.
std::unique_ptr<ExplicacionMetodo> NuevaExplicacion(TipoLotificacion metodo);
