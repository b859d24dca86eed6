// Every method side by side on one problem: the methods the best-of choice compares and the
// optimum, each solved and priced from the same input, and after a manual calculation the user's
// plan. Plain data, computed once per calculation and kept with its result.
#pragma once

#include "Articulo.h"
#include "LotificaUnit.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The code of the row that holds the user's plan; no method has it.
inline constexpr TipoLotificacion CodigoPlanManual = -1;

struct FilaComparacion {
    TipoLotificacion Metodo = CodigoPlanManual;
    // The message of the failure that stopped the method (a division by zero in EOQ, say); empty
    // when it was solved, and then the figures below hold.
    std::string Fallo;
    double CosteTotal = 0;    // CTotal[N + 1]
    double CosteEmision = 0;  // the sum of Ce
    double CostePosesion = 0; // the sum of Cp
    int Pedidos = 0;          // releases that are charged an ordering cost
    // The periods the plan runs short in, in order, those within the lead time included.
    std::vector<int> PeriodosConRotura{};
    // It runs short after the lead time (DescartadoPorRoturas): its negative holding cost is no
    // saving, so it is never the cheapest and has no percentage over the optimum.
    bool ConRoturas = false;
    // One of the compared methods whose total is the least among those without ConRoturas
    // (TotalesIguales); ties are all marked.
    bool MasBarato = false;
    // How far the total lies above the optimum's, in percent; nothing when the optimum failed or
    // does not cost more than 0, unless the total equals it (then 0), and nothing with ConRoturas.
    std::optional<double> SobreOptimo;
};

struct ComparacionMetodos {
    // The compared methods in code order, the optimum, then the user's plan when there is one;
    // none when the plans were not compared.
    std::vector<FilaComparacion> Filas;
    // Why the plans were not compared, as the user reads it; empty when they were.
    std::string Rechazo;
};

// The row of a plan already priced.
FilaComparacion FilaDelPlan(TipoLotificacion metodo, const TParametrosMRP& P,
                            const TTablaMRP& tabla, const TCostesMRP& costes);

// Solves the item's inputs (without the releases a manual calculation typed) with every compared
// method and the optimum, and adds planManual as the last row. A method that fails leaves its
// message in its row; nothing here throws for it. Costs that are not comparable
// (CostesComparables) are refused: no plan is ranked.
ComparacionMetodos CompararMetodos(const Articulo& articulo,
                                   std::optional<FilaComparacion> planManual = std::nullopt);
