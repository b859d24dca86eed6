// When plans can be ranked against the optimum: the one rule that the optimum's command, the
// comparison of the methods and the experiments' comparison with the optimum all follow.
#pragma once

// True when neither cost is negative. A negative cost pays for ordering or for holding stock, and
// plans the optimum does not consider (a lot larger than the requirements ask for) then cost
// less than it: no plan is the cheapest, and no percentage above the optimum means anything.
constexpr bool CostesComparables(double CE, double CP) {
    return CE >= 0 && CP >= 0;
}

// Why they refuse costs that are not comparable, as the user reads it; UTF-8.
inline constexpr char TextoCostesNoComparables[] =
    "El plan óptimo y la comparación de métodos necesitan costes de emisión y posesión de 0 o "
    "más.";
