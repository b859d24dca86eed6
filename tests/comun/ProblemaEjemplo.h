// The worked example as an item: eight periods, lead time 1, ordering cost 100,
// holding cost 1, initial stock 60, no scheduled receipts.
#pragma once

#include "Articulo.h"

#include <array>

inline Articulo ProblemaEjemplo(TipoLotificacion metodo = LotificacionLoteALote) {
    Articulo p;
    p.N = 8;
    p.TS = 1;
    p.CE = 100;
    p.CP = 1;
    p.Metodo = metodo;
    const std::array<double, 8> necesidades{50, 60, 70, 60, 95, 75, 60, 55};
    for (int k = 1; k <= 8; ++k) p.Entrada.NB[k] = necesidades[std::size_t(k) - 1];
    p.Entrada.D[1] = 60;
    return p;
}
