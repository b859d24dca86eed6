// The calculation commands: the item of the window's texts calculated, and the grid rewritten all
// at once or not at all.
#include "CalculoProblema.h"

#include "ArticuloDeTextos.h"
#include "CalculoArticulo.h"
#include "TablaRejilla.h"

std::optional<ResultadoCalculo> ComandoCalcular(TextosProblema& problema, TextosCelda& celdas,
                                                const Avisar& avisar) {
    const std::optional<Articulo> articulo =
        ArticuloDeTextos(TipoCalculo::Seleccionado, problema, celdas, avisar);
    if (!articulo) return std::nullopt;
    ResultadoCalculo resultado = CalcularSeleccionada(*articulo);
    MostrarResultado(resultado, celdas);
    problema.Metodo = resultado.Metodo;
    return resultado;
}

std::optional<ResultadoCalculo> ComandoCalculoManual(const TextosProblema& problema,
                                                     TextosCelda& celdas, const Avisar& avisar) {
    const std::optional<Articulo> articulo =
        ArticuloDeTextos(TipoCalculo::Manual, problema, celdas, avisar);
    if (!articulo) return std::nullopt;
    ResultadoCalculo resultado = CalcularManual(*articulo);
    MostrarResultado(resultado, celdas);
    return resultado;
}

void MostrarResultado(const ResultadoCalculo& resultado, TextosCelda& celdas) {
    MostrarTabla(resultado.Problema.N, resultado.Tabla, resultado.Costes, celdas);
}

TextosCelda CeldasDelResultado(const ResultadoCalculo& resultado) {
    TextosCelda celdas = CeldasIniciales(resultado.Problema.N);
    MostrarResultado(resultado, celdas);
    return celdas;
}
