// The texts of the methods as the user reads them, taken from the method table.
#pragma once

#include "LotificaUnit.h"

#include <QString>

struct ResultadoCalculo;

// How a plan typed by hand is named wherever a method's name would stand.
inline const QString TextoCalculoManual = QStringLiteral("Cálculo manual");

// The method's text ("Lote a lote" ... "Mejor de las anteriores"); empty for a code that names no
// method, which selects no item.
QString TextoLotificacion(TipoLotificacion metodo);

// The method's short name, as the experiments report labels it without its padding ("Min coste
// total", "Plan óptimo"); empty for a code that names no method or has no label.
QString EtiquetaLotificacion(TipoLotificacion metodo);

// How the plan of a calculation was made: "Cálculo manual", or the method whose plan it is (after
// "Mejor de las anteriores" the one it chose); empty when no method was selected and nothing was
// planned.
QString TextoPlanCalculado(const ResultadoCalculo& calculo);

// The method of a calculation as its data name it: the plan's, preceded by the method selected
// when that chose another ("Mejor de las anteriores: EOQ"); "Ninguna" when nothing was planned.
QString TextoLotificacionCalculada(const ResultadoCalculo& calculo);
