// Every policy exploded on its own, the cheapest marked.
#include "PoliticasProyecto.h"

#include "ExplosionProyecto.h"
#include "ValidacionProyecto.h"

#include <algorithm>

namespace {

PoliticaProyecto Explotada(const Proyecto& proyecto, std::optional<TipoLotificacion> metodo) {
    PoliticaProyecto politica;
    politica.Metodo = metodo;
    const QStringList rechazos = RechazosProyecto(proyecto, metodo);
    if (!rechazos.isEmpty()) {
        politica.Fallo = rechazos.front();
        return politica;
    }
    try {
        const ResultadoProyecto resultado = Explotar(proyecto, metodo);
        politica.CosteEmision = resultado.CosteEmision;
        politica.CostePosesion = resultado.CostePosesion;
        politica.CosteTotal = resultado.CosteTotal;
    } catch (const std::runtime_error& fallo) {
        politica.Fallo = QString::fromUtf8(fallo.what());
    }
    return politica;
}

} // namespace

std::vector<PoliticaProyecto> CompararPoliticas(const Proyecto& proyecto) {
    std::vector<PoliticaProyecto> politicas;
    for (const MetodoLotificacion& metodo : MetodosLotificacion)
        politicas.push_back(Explotada(proyecto, metodo.Codigo));
    politicas.push_back(Explotada(proyecto, std::nullopt));

    // A negative cost makes plans cheaper than any the methods consider: none is ranked then.
    const bool comparables = std::all_of(
        proyecto.Articulos.begin(), proyecto.Articulos.end(),
        [](const ArticuloProyecto& a) { return CostesComparables(a.Datos.CE, a.Datos.CP); });
    std::optional<double> menor;
    for (const PoliticaProyecto& p : politicas)
        if (p.Fallo.isEmpty()) menor = std::min(menor.value_or(p.CosteTotal), p.CosteTotal);
    for (PoliticaProyecto& p : politicas)
        p.MasBarata = comparables && p.Fallo.isEmpty() && TotalesIguales(p.CosteTotal, *menor);
    return politicas;
}
