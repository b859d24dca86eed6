// The comparison of the methods as the window's panel, the report and quelmar-cli show it: a
// heading and one row of texts per plan, the costs rounded for reading unless asked exactly.
#pragma once

#include "CifrasLegibles.h"
#include "ComparacionMetodos.h"

#include <QStringList>

#include <vector>

QStringList CabeceraComparacion();

// The heading of the column the panel adds after those of CabeceraComparacion.
inline const QString CabeceraRoturas = QStringLiteral("Períodos con rotura");

// In place of the percentage of a plan that runs short after the lead time.
inline const QString TextoConRoturas = QStringLiteral("con roturas");

struct TextosFilaComparacion {
    TipoLotificacion Metodo = CodigoPlanManual;
    bool MasBarato = false;
    QStringList Celdas;    // one under each heading
    QStringList Exactas{}; // as Celdas, the costs as the grid writes them: the tool tips
    QString Roturas{};     // the periods that run short, "3, 5–8"; empty when none does
};

// A failed method shows its message under the total and nothing else; a percentage that means
// nothing is an empty text, and a plan that runs short after the lead time shows TextoConRoturas
// there. The costs are rounded to `decimales` (CifraLegible), the percentage to one decimal. A
// refused comparison has no rows: its Rechazo says why.
std::vector<TextosFilaComparacion> TextosComparacion(const ComparacionMetodos& comparacion,
                                                     int decimales = DecimalesLegibles);
