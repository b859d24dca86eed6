// An exploded project as texts, wherever it is shown or written: the summary of its items, the
// policies side by side and its structure as an indented list. Numbers in the grid's format.
#pragma once

#include "ExplosionProyecto.h"
#include "PoliticasProyecto.h"

#include <QByteArray>
#include <QStringList>

#include <optional>
#include <vector>

// The method that made an item's plan (after "Mejor de las anteriores" the one it chose), or why
// there is no plan.
QString TextoMetodoUsado(const PlanArticulo& plan);

// Item, level, method used, ordering, holding and total cost: one row per item in the order of
// the calculation, then the project's totals under this name.
QStringList CabeceraResumen();
inline const QString TextoTotalProyecto = QStringLiteral("Total del proyecto");
std::vector<QStringList> FilasResumen(const Proyecto& proyecto, const ResultadoProyecto& resultado);
// The heading and the rows as resumen.tsv holds them: TAB-separated, CR LF, Windows-1252.
QByteArray TextoResumen(const Proyecto& proyecto, const ResultadoProyecto& resultado);

// How a policy is named: the method's text, or that every item keeps its own.
QString TextoPolitica(const PoliticaProyecto& politica);
QStringList CabeceraPoliticas();
// A policy that failed shows why under its total and nothing else.
std::vector<QStringList> FilasPoliticas(const std::vector<PoliticaProyecto>& politicas);

// One line of the structure as an indented list: an item under the parent it is a component of.
struct LineaEstructura {
    int Profundidad = 0;            // 0 for an item that is nobody's component
    int Articulo = 0;               // its position in the project
    std::optional<double> Cantidad; // per unit of the line's parent; nothing at depth 0
    // Its components were listed where it first appeared, and are not repeated here.
    bool Repetido = false;
};

// Every item that is nobody's component, in the project's order, each followed by its components
// in their order, one level deeper, and so on down.
std::vector<LineaEstructura> LineasEstructura(const Proyecto& proyecto,
                                              const ResultadoProyecto& resultado);
