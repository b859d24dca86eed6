// What the methods cost on a random problem: solved one after another from the same table.
#include "CosteMetodo.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

constexpr std::array FilasTabla{&TTablaMRP::NB, &TTablaMRP::D,    &TTablaMRP::RP,
                                &TTablaMRP::NN, &TTablaMRP::RPPL, &TTablaMRP::PPL};

// The engine reads and writes only entries 1 to N + 1, so copying those is the same as copying
// the whole 4.8 KB table.
thread_local TTablaMRP borrador;

} // namespace

void CostesMetodos(std::span<const TipoLotificacion> metodos, const TParametrosMRP& P,
                   TTablaMRP& tabla, double* costes, std::size_t& resueltos) {
    resueltos = 0;
    if (!PeriodosCalculables(P.N))
        throw std::out_of_range("CosteMetodo: número de períodos fuera de la tabla");
    // The optimum is compared with every method: the drawn costs must allow it, which the checks
    // of the fields before a run already make sure of.
    if (!CostesComparables(P.CE, P.CP) &&
        std::find(metodos.begin(), metodos.end(), LotificacionOptimo) != metodos.end())
        throw std::domain_error(TextoCostesNoComparables);
    ResolucionConjunta resolucion(P, tabla);
    for (const TipoLotificacion m : metodos) {
        const double coste = resolucion.Resolver(m);
        costes[resueltos++] = coste;
    }
}

double CosteMetodo(TipoLotificacion m, const TParametrosMRP& P, const TTablaMRP& tabla) {
    if (!PeriodosCalculables(P.N))
        throw std::out_of_range("CosteMetodo: número de períodos fuera de la tabla");
    for (auto fila : FilasTabla)
        std::copy_n((tabla.*fila).v.begin(), P.N + 1, (borrador.*fila).v.begin());
    double coste = 0;
    std::size_t resueltos = 0;
    CostesMetodos({&m, 1}, P, borrador, &coste, resueltos);
    return coste;
}
