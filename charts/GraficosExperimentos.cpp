// The statistics of a run as chart data, one category per method in code order.
#include "GraficosExperimentos.h"

#include "TextosLotificacion.h"

namespace {

QStringList Metodos() {
    QStringList nombres;
    for (const TipoLotificacion metodo : MetodosComparados) nombres << EtiquetaLotificacion(metodo);
    return nombres;
}

// The field of every method's statistics, scaled.
template <class Estadistica, class Campo>
SerieGrafico Serie(const char* nombre, const std::array<Estadistica, NumeroMetodos>& estadisticas,
                   Campo Estadistica::*campo, double escala = 1) {
    SerieGrafico serie{QString::fromUtf8(nombre), {}};
    for (const Estadistica& e : estadisticas) serie.Valores.push_back(escala * (e.*campo));
    return serie;
}

DatosGrafico PorMetodo(const QString& titulo, const QString& valores) {
    DatosGrafico grafico;
    grafico.Titulo = titulo;
    grafico.TituloValores = valores;
    grafico.Categorias = Metodos();
    return grafico;
}

} // namespace

DatosGrafico GraficoVecesMasBarato(const DatosExperimentos& datos, bool conOptimo,
                                   const QString& textoNExp) {
    DatosGrafico grafico = PorMetodo(
        QStringLiteral("Veces que cada método fue el más barato en %1 experimentos").arg(textoNExp),
        QStringLiteral("Veces"));
    grafico.Barras.push_back(
        Serie("Veces el más barato", datos.Estadisticas, &TEstadisticaMetodo::NMejor));
    if (conOptimo)
        grafico.Barras.push_back(
            Serie("Veces en el óptimo", datos.EstadisticasOptimo, &TEstadisticaOptimo::NOptimo));
    grafico.ValoresEnBarras = true;
    return grafico;
}

DatosGrafico GraficoDesviaciones(const DatosExperimentos& datos, bool conOptimo) {
    DatosGrafico grafico =
        PorMetodo(QStringLiteral("Desviación de cada método (%)"), QStringLiteral("%"));
    grafico.Barras.push_back(
        Serie("Media sobre el más barato", datos.Estadisticas, &TEstadisticaMetodo::DesvMed, 100));
    grafico.Barras.push_back(
        Serie("Máxima sobre el más barato", datos.Estadisticas, &TEstadisticaMetodo::MaxDesv, 100));
    if (conOptimo) {
        grafico.Barras.push_back(Serie("Media sobre el óptimo", datos.EstadisticasOptimo,
                                       &TEstadisticaOptimo::DesvMed, 100));
        grafico.Barras.push_back(Serie("Máxima sobre el óptimo", datos.EstadisticasOptimo,
                                       &TEstadisticaOptimo::MaxDesv, 100));
    }
    // Four bars to a method leave no room for their figures; the axis reads them.
    grafico.ValoresEnBarras = !conOptimo;
    grafico.Decimales = 1;
    return grafico;
}
