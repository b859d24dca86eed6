// The explosion of a project, level by level: every item's gross requirements from its
// independent demand and its parents' planned releases, then its plan made exactly as a one-item
// problem's, by the engine alone (no explanation, no comparison), with its costs and the
// project's.
#pragma once

#include "AvisosProblema.h"
#include "LotificaUnit.h"
#include "Proyecto.h"

#include <optional>
#include <vector>

struct PlanArticulo {
    int Nivel = 0; // its low-level code
    // Its record as a one-item problem: the gross requirements worked out, its initial stock and
    // scheduled receipts, then what the plan computed.
    TTablaMRP Tabla;
    TCostesMRP Costes;
    // The method whose plan it is: the item's, or the one every item was given; after "Mejor de
    // las anteriores" the one it chose. -1 when the item was not planned.
    TipoLotificacion Metodo = -1;
    // False when the gross requirements add up to 0, as the window refuses them: the record then
    // holds the inputs alone and costs nothing.
    bool Planificado = false;
    double CosteEmision = 0;  // the sum of Ce
    double CostePosesion = 0; // the sum of Cp
    double CosteTotal = 0;    // CTotal[N + 1]
};

struct ResultadoProyecto {
    std::int32_t N = 0;
    std::optional<TipoLotificacion> MetodoComun; // the method every item was given, if one was
    std::vector<PlanArticulo> Articulos;         // in the project's order
    std::vector<int> OrdenCalculo;               // by level, then in the project's order
    // The sums over the items, in the project's order.
    double CosteEmision = 0;
    double CostePosesion = 0;
    double CosteTotal = 0;
};

// Explodes a project that RechazosProyecto, given the same metodoComun, does not refuse. The
// engine's arithmetic failures, and figures beyond the range of a double, stop the explosion at
// the item where they happen: ECalculoArticulo.
ResultadoProyecto Explotar(const Proyecto& proyecto,
                           std::optional<TipoLotificacion> metodoComun = std::nullopt);

// Every refusal shown first, and then nothing calculated; otherwise Explotar.
std::optional<ResultadoProyecto> ExplotarProyecto(const Proyecto& proyecto,
                                                  std::optional<TipoLotificacion> metodoComun,
                                                  const Avisar& avisar);
