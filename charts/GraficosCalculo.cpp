// The plan and the comparison of a calculation as chart data.
#include "GraficosCalculo.h"

#include "Numeros.h"
#include "TextosLotificacion.h"

#include <algorithm>

namespace {

// Marks the cheapest in words and shapes, not in colour.
const QString MarcaMasBarato = QStringLiteral("★");

// Entries 1 to N of a row, in period order.
std::vector<double> Periodos(const TFilaMRP& fila, int N, int desde = 1) {
    std::vector<double> valores;
    for (int k = desde; k < desde + N; ++k) valores.push_back(fila[k]);
    return valores;
}

} // namespace

DatosGrafico GraficoPlan(const ResultadoCalculo& calculo, int decimales) {
    const int N = calculo.Problema.N;
    const TTablaMRP& tabla = calculo.Tabla;
    QString plan = TextoPlanCalculado(calculo);
    if (plan.isEmpty()) plan = QStringLiteral("Sin método de lotificación");

    DatosGrafico grafico;
    grafico.Titulo =
        plan + QStringLiteral(" — coste total ") + CifraLegible(calculo.CosteTotal(), decimales);
    grafico.TituloCategorias = QStringLiteral("Período");
    grafico.TituloValores = QStringLiteral("Unidades");
    for (int k = 1; k <= N; ++k) grafico.Categorias << QString::number(k);
    grafico.Barras.push_back({QStringLiteral("Necesidades brutas"), Periodos(tabla.NB, N)});
    grafico.Barras.push_back({QStringLiteral("Recepciones planificadas"), Periodos(tabla.RPPL, N)});
    const std::vector<double> programadas = Periodos(tabla.RP, N);
    if (std::any_of(programadas.begin(), programadas.end(), [](double v) { return v != 0; }))
        grafico.Barras.push_back({QStringLiteral("Recepciones programadas"), programadas});
    // D[k + 1] is what period k leaves, the stock its holding cost is charged on.
    grafico.Lineas.push_back({QStringLiteral("Stock final del período"), Periodos(tabla.D, N, 2)});
    grafico.Referencias.push_back({QStringLiteral("Stock de seguridad"),
                                   std::vector<double>(std::size_t(N), calculo.Problema.SS)});
    return grafico;
}

DatosGrafico GraficoComparacion(const ComparacionMetodos& comparacion) {
    DatosGrafico grafico;
    grafico.Titulo = QStringLiteral("Coste de cada plan (%1 el método más barato de los seis)")
                         .arg(MarcaMasBarato);
    grafico.TituloValores = QStringLiteral("Coste");
    grafico.Forma = FormaBarras::Apiladas;
    grafico.Horizontal = true;
    SerieGrafico emision{QStringLiteral("Coste de emisión"), {}};
    SerieGrafico posesion{QStringLiteral("Coste de posesión"), {}};
    for (const FilaComparacion& fila : comparacion.Filas) {
        const QString nombre = fila.Metodo == CodigoPlanManual ? QStringLiteral("Plan manual")
                                                               : EtiquetaLotificacion(fila.Metodo);
        if (!fila.Fallo.empty())
            grafico.Categorias << nombre + QStringLiteral(" (sin plan)");
        else if (fila.ConRoturas)
            grafico.Categorias << nombre + QStringLiteral(" (con roturas)");
        else if (fila.MasBarato)
            grafico.Categorias << MarcaMasBarato + u' ' + nombre;
        else
            grafico.Categorias << nombre;
        emision.Valores.push_back(fila.Fallo.empty() ? fila.CosteEmision : 0);
        posesion.Valores.push_back(fila.Fallo.empty() ? fila.CostePosesion : 0);
    }
    grafico.Barras = {std::move(emision), std::move(posesion)};
    return grafico;
}
