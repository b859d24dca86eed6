// The texts of the methods as the user reads them, taken from the method table.
#pragma once

#include "LotificaUnit.h"

#include <QString>

// The method's text ("Lote a lote" ... "Mejor de las anteriores"); empty for a code that names no
// method, which selects no item.
QString TextoLotificacion(TipoLotificacion metodo);
