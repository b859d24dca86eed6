// An item planned and priced, with its explanation and its comparison.
#include "CalculoArticulo.h"

ResultadoCalculo CalcularSeleccionada(const Articulo& articulo) {
    ResultadoCalculo resultado;
    resultado.Problema = articulo;
    resultado.Tabla = articulo.Entrada;
    resultado.Metodo = articulo.Metodo;
    resultado.Explicacion = LotificarExplicando(articulo, resultado.Tabla, resultado.Metodo);
    CalcularCostes(articulo, resultado.Tabla, resultado.Costes);
    resultado.Comparacion = CompararMetodos(articulo);
    return resultado;
}

ResultadoCalculo CalcularManual(const Articulo& articulo) {
    ResultadoCalculo resultado;
    resultado.Problema = articulo;
    resultado.Tipo = TipoCalculo::Manual;
    resultado.Tabla = articulo.Entrada;
    resultado.Explicacion = ReproyectarExplicando(articulo, resultado.Tabla);
    CalcularCostes(articulo, resultado.Tabla, resultado.Costes);
    resultado.Comparacion = CompararMetodos(
        articulo, FilaDelPlan(CodigoPlanManual, articulo, resultado.Tabla, resultado.Costes));
    return resultado;
}
