// One item as a value: the parameters of its plan, its lot-sizing method and its input rows, as
// numbers. Made once where texts, files or options come in; everything after that takes it.
#pragma once

#include "MetodosLotificacion.h"
#include "ParametrosMRP.h"
#include "RegistroMRP.h"

// A plan made by a lot-sizing method, or projected from releases typed by hand.
enum class TipoCalculo { Seleccionado, Manual };

struct Articulo : TParametrosMRP {
    TipoLotificacion Metodo = LotificacionLoteALote; // -1 when no method is chosen
    // NB and RP of periods 1 to N, the initial stock in D[1] and, for a plan typed by hand, its
    // releases in PPL; everything else 0.
    TTablaMRP Entrada;
    bool operator==(const Articulo&) const = default;
};
