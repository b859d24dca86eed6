// Building Qt Charts from chart data.
#include "Grafico.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsScene>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Fills that stay apart printed in grey: dark, hatched, light, cross-hatched.
struct EstiloBarras {
    QColor color;
    Qt::BrushStyle trama;
};
const EstiloBarras EstilosBarras[] = {
    {QColor(52, 84, 140), Qt::SolidPattern},
    {QColor(184, 72, 16), Qt::BDiagPattern},
    {QColor(158, 188, 222), Qt::SolidPattern},
    {QColor(24, 96, 48), Qt::DiagCrossPattern},
};
const Qt::PenStyle TrazosReferencia[] = {Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
const QColor ColorReferencia(150, 28, 28);

// The pixels per inch a chart is laid out at before it is scaled onto paper: a little more than a
// screen's, for a legend that holds its texts whole across a page.
constexpr qreal PuntosPorPulgadaPapel = 110;

// Without ligatures, so that a PDF's text is found and copied as it was written.
QFont SinLigaduras(QFont fuente) {
    fuente.setStyleStrategy(QFont::PreferNoShaping);
    return fuente;
}

// Labels for at most about twenty categories: every one, or every 2nd, 5th, 10th... of them.
int PasoEtiquetas(qsizetype categorias) {
    for (const int paso : {1, 2, 5, 10, 20})
        if (categorias <= 24 || categorias / paso <= 20) return paso;
    return 50;
}

// A long name of several words in two centred lines, broken at the blank nearest its middle, so
// that it keeps whole under its bars.
QString EtiquetaCategoria(const QString& texto, bool horizontal) {
    if (horizontal || texto.size() <= 12) return texto;
    qsizetype corte = -1;
    for (qsizetype i = 0; i < texto.size(); ++i)
        if (texto[i] == u' ' &&
            (corte < 0 || std::abs(i - texto.size() / 2) < std::abs(corte - texto.size() / 2)))
            corte = i;
    if (corte < 0) return texto;
    return QStringLiteral("<p align=\"center\">%1<br>%2</p>")
        .arg(texto.left(corte).toHtmlEscaped(), texto.mid(corte + 1).toHtmlEscaped());
}

// The categories at 0, 1, 2... with their labels centred on them.
QCategoryAxis* EjeCategorias(const DatosGrafico& datos) {
    auto* eje = new QCategoryAxis;
    eje->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const qsizetype n = datos.Categorias.size();
    eje->setStartValue(-0.5);
    eje->setRange(-0.5, qreal(n) - 0.5);
    const int paso = PasoEtiquetas(n);
    for (qsizetype i = 0; i < n; ++i)
        if ((i + 1) % paso == 0 || paso == 1)
            eje->append(EtiquetaCategoria(datos.Categorias[i], datos.Horizontal), qreal(i));
    eje->setGridLineVisible(false);
    eje->setTitleText(datos.TituloCategorias);
    // The first category at the top, as a table reads.
    eje->setReverse(datos.Horizontal);
    return eje;
}

// Whole numbers while the ticks are; as many decimals as the tick interval needs otherwise.
QString FormatoEtiquetas(const QValueAxis& eje) {
    const qreal intervalo = (eje.max() - eje.min()) / std::max(1, eje.tickCount() - 1);
    const int decimales =
        intervalo > 0 ? std::clamp(int(-std::floor(std::log10(intervalo) + 1e-9)), 0, 6) : 0;
    return QStringLiteral("%.%1f").arg(decimales);
}

QValueAxis* EjeValores(const DatosGrafico& datos) {
    double menor = 0, mayor = 0;
    auto abarcar = [&](const std::vector<SerieGrafico>& series, bool apiladas) {
        if (apiladas && !series.empty()) {
            // Stacks grow apart from 0: the positive and the negative parts of each category.
            for (std::size_t c = 0; c < series.front().Valores.size(); ++c) {
                double positivo = 0, negativo = 0;
                for (const SerieGrafico& serie : series)
                    (serie.Valores[c] > 0 ? positivo : negativo) += serie.Valores[c];
                menor = std::min(menor, negativo);
                mayor = std::max(mayor, positivo);
            }
            return;
        }
        for (const SerieGrafico& serie : series)
            for (const double valor : serie.Valores) {
                menor = std::min(menor, valor);
                mayor = std::max(mayor, valor);
            }
    };
    abarcar(datos.Barras, datos.Forma == FormaBarras::Apiladas);
    abarcar(datos.Lineas, false);
    abarcar(datos.Referencias, false);
    if (mayor == menor) mayor = menor + 1;
    // Room for the values written past the ends of the bars.
    if (datos.ValoresEnBarras) mayor += (mayor - menor) * 0.12;

    auto* eje = new QValueAxis;
    eje->setRange(menor, mayor);
    eje->applyNiceNumbers();
    eje->setLabelFormat(FormatoEtiquetas(*eje));
    eje->setTitleText(datos.TituloValores);
    return eje;
}

QAbstractBarSeries* SerieBarras(const DatosGrafico& datos) {
    const bool apiladas = datos.Forma == FormaBarras::Apiladas;
    QAbstractBarSeries* serie = nullptr;
    if (datos.Horizontal)
        serie = apiladas ? static_cast<QAbstractBarSeries*>(new QHorizontalStackedBarSeries)
                         : new QHorizontalBarSeries;
    else
        serie = apiladas ? static_cast<QAbstractBarSeries*>(new QStackedBarSeries) : new QBarSeries;
    // Hairline borders once the bars get too thin for a line of their own.
    const QPen borde(Qt::black, datos.Categorias.size() > 40 ? 0 : 1);
    for (std::size_t i = 0; i < datos.Barras.size(); ++i) {
        const EstiloBarras& estilo = EstilosBarras[i % std::size(EstilosBarras)];
        auto* conjunto = new QBarSet(datos.Barras[i].Nombre);
        for (const double valor : datos.Barras[i].Valores) conjunto->append(valor);
        conjunto->setBrush(QBrush(estilo.color, estilo.trama));
        conjunto->setPen(borde);
        conjunto->setLabelColor(Qt::black);
        serie->append(conjunto);
    }
    serie->setBarWidth(apiladas ? 0.6 : 0.8);
    if (datos.ValoresEnBarras) {
        serie->setLabelsVisible(true);
        serie->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
        serie->setLabelsPrecision(3);
    }
    return serie;
}

// A line through one value per category, in the chart's orientation.
QLineSeries* Linea(const DatosGrafico& datos, const SerieGrafico& serie, bool extremos) {
    auto* linea = new QLineSeries;
    linea->setName(serie.Nombre);
    auto punto = [&](qreal categoria, qreal valor) {
        if (datos.Horizontal)
            linea->append(valor, categoria);
        else
            linea->append(categoria, valor);
    };
    const std::size_t n = serie.Valores.size();
    if (extremos && n > 0) punto(-0.5, serie.Valores.front());
    for (std::size_t i = 0; i < n; ++i) punto(qreal(i), serie.Valores[i]);
    if (extremos && n > 0) punto(qreal(n) - 0.5, serie.Valores.back());
    return linea;
}

// Markers while the categories leave room for them.
qreal TamanoMarcas(qsizetype categorias) {
    if (categorias <= 16) return 8;
    if (categorias <= 40) return 5;
    return 0;
}

void Anadir(QChart& grafico, QAbstractSeries* serie, QAbstractAxis* categorias,
            QAbstractAxis* valores) {
    grafico.addSeries(serie);
    serie->attachAxis(categorias);
    serie->attachAxis(valores);
}

} // namespace

QChart* CrearGrafico(const DatosGrafico& datos) {
    auto* grafico = new QChart;
    grafico->setAnimationOptions(QChart::NoAnimation);
    grafico->setLocalizeNumbers(true);
    grafico->setLocale(QLocale());
    grafico->setBackgroundRoundness(0);
    grafico->setTitle(datos.Titulo);
    QFont fuenteTitulo = SinLigaduras(grafico->titleFont());
    fuenteTitulo.setBold(true);
    grafico->setTitleFont(fuenteTitulo);
    QLegend* leyenda = grafico->legend();
    leyenda->setAlignment(Qt::AlignBottom);
    QFont fuenteLeyenda = SinLigaduras(leyenda->font());
    fuenteLeyenda.setPointSizeF(fuenteLeyenda.pointSizeF() - 0.5);
    leyenda->setFont(fuenteLeyenda);
    if (datos.Categorias.isEmpty()) return grafico;

    QCategoryAxis* categorias = EjeCategorias(datos);
    QValueAxis* valores = EjeValores(datos);
    for (QAbstractAxis* eje :
         {static_cast<QAbstractAxis*>(categorias), static_cast<QAbstractAxis*>(valores)}) {
        eje->setLabelsFont(SinLigaduras(eje->labelsFont()));
        eje->setTitleFont(SinLigaduras(eje->titleFont()));
    }
    grafico->addAxis(categorias, datos.Horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    grafico->addAxis(valores, datos.Horizontal ? Qt::AlignBottom : Qt::AlignLeft);

    if (!datos.Barras.empty()) {
        QAbstractBarSeries* barras = SerieBarras(datos);
        Anadir(*grafico, barras, categorias, valores);
        for (QBarSet* conjunto : barras->barSets())
            conjunto->setLabelFont(SinLigaduras(conjunto->labelFont()));
    }

    // The zero line where negative values go below it.
    if (valores->min() < 0) {
        QLineSeries* cero = Linea(
            datos, {QString(), std::vector<double>(std::size_t(datos.Categorias.size()))}, true);
        cero->setPen(QPen(Qt::black, 1));
        Anadir(*grafico, cero, categorias, valores);
        leyenda->markers(cero).constFirst()->setVisible(false);
    }
    for (std::size_t i = 0; i < datos.Referencias.size(); ++i) {
        QLineSeries* referencia = Linea(datos, datos.Referencias[i], true);
        referencia->setPen(QPen(ColorReferencia, 2,
                                TrazosReferencia[i % std::size(TrazosReferencia)], Qt::FlatCap));
        Anadir(*grafico, referencia, categorias, valores);
        leyenda->markers(referencia).constFirst()->setShape(QLegend::MarkerShapeFromSeries);
    }
    const qreal marcas = TamanoMarcas(datos.Categorias.size());
    for (const SerieGrafico& serie : datos.Lineas) {
        QLineSeries* linea = Linea(datos, serie, false);
        linea->setPen(QPen(Qt::black, 2));
        linea->setColor(Qt::black);
        linea->setPointsVisible(marcas > 0);
        linea->setMarkerSize(std::max<qreal>(marcas, 4));
        Anadir(*grafico, linea, categorias, valores);
        leyenda->markers(linea).constFirst()->setShape(marcas > 0 ? QLegend::MarkerShapeCircle
                                                                  : QLegend::MarkerShapeFromSeries);
    }
    return grafico;
}

void PintarGrafico(QPainter& pintor, const QRectF& destino, const DatosGrafico& datos) {
    const qreal escala = PuntosPorPulgadaPapel / pintor.device()->logicalDpiX();
    const QRectF origen(QPointF(0, 0), destino.size() * escala);
    QGraphicsScene escena;
    QChart* grafico = CrearGrafico(datos);
    escena.addItem(grafico); // the scene owns it from here
    grafico->setGeometry(origen);
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    escena.render(&pintor, destino, origen);
    pintor.restore();
}
