// An exploded item as a one-item problem and its result.
#include "ResultadoArticuloProyecto.h"

Articulo ArticuloPlanificado(const Proyecto& proyecto, const ResultadoProyecto& resultado,
                             int indice) {
    const ArticuloProyecto& articulo = proyecto.Articulos.at(std::size_t(indice));
    const PlanArticulo& plan = resultado.Articulos.at(std::size_t(indice));
    Articulo problema;
    static_cast<TParametrosMRP&>(problema) = articulo.Datos;
    problema.N = resultado.N;
    problema.Redondear = proyecto.Redondear;
    problema.Metodo = resultado.MetodoComun.value_or(articulo.Datos.Metodo);
    for (std::int32_t t = 1; t <= resultado.N; ++t) {
        problema.Entrada.NB[t] = plan.Tabla.NB[t];
        problema.Entrada.RP[t] = plan.Tabla.RP[t];
    }
    problema.Entrada.D[1] = plan.Tabla.D[1];
    return problema;
}

ResultadoCalculo ResultadoDelArticulo(const Proyecto& proyecto, const ResultadoProyecto& resultado,
                                      int indice) {
    const PlanArticulo& plan = resultado.Articulos.at(std::size_t(indice));
    ResultadoCalculo calculo;
    calculo.Problema = ArticuloPlanificado(proyecto, resultado, indice);
    calculo.Tabla = plan.Tabla;
    calculo.Costes = plan.Costes;
    calculo.Metodo = plan.Metodo;
    return calculo;
}
