// The explosion: gross requirements summed in one fixed order, then the engine, item by item.
#include "ExplosionProyecto.h"

#include "ComparacionMetodos.h"
#include "ErroresProyecto.h"
#include "EstructuraProyecto.h"
#include "TablaRejilla.h"
#include "ValidacionProyecto.h"

#include <cmath>

namespace {

// The independent demand, then every parent in the project's order adding its release times the
// quantity per unit, period by period: exactly these additions, in this order.
void SumarNecesidadesBrutas(const ArticuloProyecto& articulo,
                            const std::vector<UsoComponente>& padres,
                            const std::vector<PlanArticulo>& planes, std::int32_t N, TFilaMRP& NB) {
    for (std::int32_t t = 1; t <= N; ++t) NB[t] = articulo.DemandaIndependiente[t];
    for (const UsoComponente& uso : padres) {
        const TFilaMRP& PPL = planes[std::size_t(uso.Padre)].Tabla.PPL;
        for (std::int32_t t = 1; t <= N; ++t) NB[t] += PPL[t] * uso.Cantidad;
    }
    for (std::int32_t t = 1; t <= N; ++t)
        if (!std::isfinite(NB[t])) throw EOverflow();
}

void Planificar(const Proyecto& proyecto, const ArticuloProyecto& articulo, TipoLotificacion metodo,
                PlanArticulo& plan) {
    const std::int32_t N = proyecto.N;
    // The table a one-item problem starts from: its inputs, everything else 0.
    for (std::int32_t t = 1; t <= N; ++t) plan.Tabla.RP[t] = articulo.Datos.Entrada.RP[t];
    plan.Tabla.D[1] = articulo.Datos.Entrada.D[1];
    if (!HayNecesidadBruta(plan.Tabla.NB, N)) return;

    TParametrosMRP P = articulo.Datos;
    P.N = N;
    P.Redondear = proyecto.Redondear;
    std::int32_t elegido = metodo;
    Lotificar(metodo, P, plan.Tabla, elegido);
    CalcularCostes(P, plan.Tabla, plan.Costes);
    const FilaComparacion sumas = FilaDelPlan(elegido, P, plan.Tabla, plan.Costes);
    if (!sumas.Fallo.empty()) throw std::runtime_error(sumas.Fallo);
    plan.Metodo = elegido;
    plan.Planificado = true;
    plan.CosteEmision = sumas.CosteEmision;
    plan.CostePosesion = sumas.CostePosesion;
    plan.CosteTotal = sumas.CosteTotal;
}

} // namespace

ResultadoProyecto Explotar(const Proyecto& proyecto, std::optional<TipoLotificacion> metodoComun) {
    const EstructuraProyecto estructura = LeerEstructura(proyecto);
    ResultadoProyecto resultado;
    resultado.N = proyecto.N;
    resultado.MetodoComun = metodoComun;
    resultado.OrdenCalculo = estructura.OrdenCalculo;
    resultado.Articulos.resize(proyecto.Articulos.size());

    for (const int i : estructura.OrdenCalculo) {
        const ArticuloProyecto& articulo = proyecto.Articulos[std::size_t(i)];
        PlanArticulo& plan = resultado.Articulos[std::size_t(i)];
        plan.Nivel = estructura.Niveles[std::size_t(i)];
        try {
            SumarNecesidadesBrutas(articulo, estructura.Padres[std::size_t(i)], resultado.Articulos,
                                   proyecto.N, plan.Tabla.NB);
            Planificar(proyecto, articulo, metodoComun.value_or(articulo.Datos.Metodo), plan);
        } catch (const std::runtime_error& fallo) {
            throw ECalculoArticulo(articulo.Codigo, fallo);
        }
    }

    for (const PlanArticulo& plan : resultado.Articulos) {
        resultado.CosteEmision += plan.CosteEmision;
        resultado.CostePosesion += plan.CostePosesion;
        resultado.CosteTotal += plan.CosteTotal;
    }
    if (!std::isfinite(resultado.CosteEmision) || !std::isfinite(resultado.CostePosesion) ||
        !std::isfinite(resultado.CosteTotal))
        throw std::runtime_error(
            QStringLiteral("Costes del proyecto: %1").arg(EOverflow().what()).toStdString());
    return resultado;
}

std::optional<ResultadoProyecto> ExplotarProyecto(const Proyecto& proyecto,
                                                  std::optional<TipoLotificacion> metodoComun,
                                                  const Avisar& avisar) {
    const QStringList rechazos = RechazosProyecto(proyecto, metodoComun);
    for (const QString& rechazo : rechazos) avisar(rechazo);
    if (!rechazos.isEmpty()) return std::nullopt;
    return Explotar(proyecto, metodoComun);
}
