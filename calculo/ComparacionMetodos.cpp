// Solving one problem with every method and setting the results side by side.
#include "ComparacionMetodos.h"

#include "MasBarato.h"
#include "RoturasCalculo.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

// A row whose figures overflowed is a failure like any other: no infinity is ever shown.
void ComprobarFinito(double valor) {
    if (!std::isfinite(valor)) throw EOverflow();
}

FilaComparacion FilaFallida(TipoLotificacion metodo, const std::exception& fallo) {
    FilaComparacion fila;
    fila.Metodo = metodo;
    fila.Fallo = fallo.what();
    return fila;
}

FilaComparacion Resolver(TipoLotificacion metodo, const TParametrosMRP& P,
                         const TTablaMRP& entrada) {
    try {
        TTablaMRP tabla = entrada;
        TCostesMRP costes;
        std::int32_t elegido = metodo;
        Lotificar(metodo, P, tabla, elegido);
        CalcularCostes(P, tabla, costes);
        return FilaDelPlan(metodo, P, tabla, costes);
    } catch (const std::exception& fallo) {
        return FilaFallida(metodo, fallo);
    }
}

// A solved row of one of the methods the best-of choice compares, whose total can be ranked.
bool Comparada(const FilaComparacion& fila) {
    const MetodoLotificacion* metodo = BuscarMetodo(fila.Metodo);
    return fila.Fallo.empty() && !fila.ConRoturas && metodo && metodo->ComparadoPorMejor;
}

void MarcarMasBaratos(std::vector<FilaComparacion>& filas) {
    std::optional<double> menor;
    for (const FilaComparacion& fila : filas)
        if (Comparada(fila)) menor = std::min(menor.value_or(fila.CosteTotal), fila.CosteTotal);
    for (FilaComparacion& fila : filas)
        fila.MasBarato = Comparada(fila) && TotalesIguales(fila.CosteTotal, *menor);
}

// Relative to a base of 0 or below no percentage means anything.
std::optional<double> PorcentajeSobre(double total, double optimo) {
    if (TotalesIguales(total, optimo)) return 0.0;
    if (!(optimo > 0)) return std::nullopt;
    const double porcentaje = (total - optimo) / optimo * 100;
    if (!std::isfinite(porcentaje)) return std::nullopt;
    return porcentaje;
}

} // namespace

FilaComparacion FilaDelPlan(TipoLotificacion metodo, const TParametrosMRP& P,
                            const TTablaMRP& tabla, const TCostesMRP& costes) {
    try {
        FilaComparacion fila;
        fila.Metodo = metodo;
        fila.CosteTotal = costes.CTotal[P.N + 1];
        for (int k = 1; k <= P.N; ++k) {
            fila.CosteEmision += costes.Ce[k];
            fila.CostePosesion += costes.Cp[k];
            if (tabla.PPL[k] != 0.0) ++fila.Pedidos;
        }
        for (const RoturaPeriodo& rotura : PeriodosConRotura(P, tabla))
            fila.PeriodosConRotura.push_back(rotura.Periodo);
        fila.ConRoturas = DescartadoPorRoturas(P, tabla);
        ComprobarFinito(fila.CosteEmision);
        ComprobarFinito(fila.CostePosesion);
        return fila;
    } catch (const std::exception& fallo) {
        return FilaFallida(metodo, fallo);
    }
}

ComparacionMetodos CompararMetodos(const Articulo& articulo,
                                   std::optional<FilaComparacion> planManual) {
    // The methods start from the inputs alone, as a calculation with any of them would.
    TTablaMRP entrada = articulo.Entrada;
    entrada.PPL = TFilaMRP{};

    ComparacionMetodos comparacion;
    if (!CostesComparables(articulo.CE, articulo.CP)) {
        comparacion.Rechazo = TextoCostesNoComparables;
        return comparacion;
    }
    for (const TipoLotificacion metodo : MetodosComparados)
        comparacion.Filas.push_back(Resolver(metodo, articulo, entrada));
    const FilaComparacion optimo = Resolver(LotificacionOptimo, articulo, entrada);
    comparacion.Filas.push_back(optimo);
    if (planManual) comparacion.Filas.push_back(std::move(*planManual));

    MarcarMasBaratos(comparacion.Filas);
    if (!optimo.Fallo.empty()) return comparacion;
    std::vector<FilaComparacion>& filas = comparacion.Filas;
    for (std::size_t f = 0; f < filas.size(); ++f) {
        if (!filas[f].Fallo.empty() || filas[f].ConRoturas) continue;
        // Equal totals get the very same percentage: that of the first of them.
        std::size_t igual = 0;
        while (!filas[igual].Fallo.empty() || filas[igual].ConRoturas ||
               !TotalesIguales(filas[igual].CosteTotal, filas[f].CosteTotal))
            ++igual;
        filas[f].SobreOptimo = PorcentajeSobre(filas[igual].CosteTotal, optimo.CosteTotal);
    }
    return comparacion;
}
