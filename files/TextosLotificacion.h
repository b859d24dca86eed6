// The texts of the method radio group's items, indexed by method code: the one table that names
// the methods to the user.
#pragma once

#include "LotificaUnit.h"

#include <QString>

// The item's text ("Lote a lote" ... "Mejor de las anteriores"); empty for a code outside 0 to 6,
// which selects no item.
QString TextoLotificacion(TipoLotificacion metodo);
