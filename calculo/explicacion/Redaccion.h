// The wording the explanations of several methods share: numbers, periods and spans as the
// explanation writes them.
#pragma once

#include "ParametrosMRP.h"

#include <QString>
#include <QStringList>

namespace redaccion {

// How the explanation writes a quantity: rounded for reading to its decimals (CifraLegible), or as
// the grid writes it with DecimalesExactos. The routines that write take it as N, so that N(valor)
// reads as the quantity it writes.
class Cifras {
public:
    explicit Cifras(int decimales) : decimales_(decimales) {}
    QString operator()(double valor) const;

private:
    int decimales_;
};

// A period or a count, as an integer.
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
QString DemandaMedia(const Cifras& N, double media);
QString LoteEconomico(const Cifras& N, const TParametrosMRP& P, double media, double Q);

} // namespace redaccion
