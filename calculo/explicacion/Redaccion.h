// The wording the explanations of several methods share: numbers, periods and spans as the
// explanation writes them.
#pragma once

#include "ParametrosMRP.h"

#include <QString>
#include <QStringList>

namespace redaccion {

// A quantity in the grid's format; a period or a count as an integer.
QString N(double valor);
QString E(int valor);

// "1 periodo", "3 periodos".
QString Periodos(int n);
// "3", "3 y 5", "3, 5 y 7".
QString Enumeracion(const QStringList& elementos);
// "el periodo 2", "los periodos 2 a 5".
QString Tramo(int desde, int hasta);
// "4", "4–6".
QString Ventana(int desde, int hasta);
// When a lot is released: "en ese mismo periodo", "2 periodos antes (el plazo de suministro)".
QString PlazoDeEmision(int TS);

// EOQ and POQ: the mean demand and the economic lot of their first steps.
QString DemandaMedia(double media);
QString LoteEconomico(const TParametrosMRP& P, double media, double Q);

} // namespace redaccion
