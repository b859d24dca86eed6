// Building Qt Charts from chart data.
#include "Grafico.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
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

// Labels for every category up to two dozen; beyond, for every 2nd, 5th, 10th... of them, a
// dozen at most, so that each label has the room of several categories and shows whole.
int PasoEtiquetas(qsizetype categorias) {
    if (categorias <= 24) return 1;
    for (const int paso : {2, 5, 10, 20})
        if (categorias / paso <= 12) return paso;
    return 50;
}

// A name of several words in centred lines of a few characters, broken at its blanks and after
// its hyphens, so that it keeps whole under its bars.
QString EtiquetaCategoria(const QString& texto, bool horizontal) {
    constexpr qsizetype Linea = 10;
    if (horizontal || texto.size() <= Linea - 2) return texto;
    QStringList palabras; // each with the hyphen that ends it
    QString palabra;
    for (const QChar c : texto) {
        if (c == u' ') {
            palabras << palabra;
            palabra.clear();
            continue;
        }
        palabra += c;
        if (c == u'-') {
            palabras << palabra;
            palabra.clear();
        }
    }
    palabras << palabra;
    QStringList lineas{QString()};
    for (const QString& p : palabras) {
        QString& ultima = lineas.last();
        const QString junto =
            ultima.isEmpty() || ultima.endsWith(u'-') ? ultima + p : ultima + u' ' + p;
        if (ultima.isEmpty() || junto.size() <= Linea)
            ultima = junto;
        else
            lineas << p;
    }
    if (lineas.size() == 1) return texto;
    for (QString& linea : lineas) linea = linea.toHtmlEscaped();
    return QStringLiteral("<p align=\"center\">%1</p>").arg(lineas.join(QStringLiteral("<br>")));
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

// So many categories that a bar is a few pixels wide.
bool Finas(const DatosGrafico& datos) {
    return datos.Categorias.size() > 40;
}

// The bars' values are written with as many significant digits as the largest of them has
// integer digits, plus the decimals asked for: whole numbers whole and never in E-notation.
int CifrasDeLasEtiquetas(const DatosGrafico& datos) {
    double mayor = 1;
    for (const SerieGrafico& serie : datos.Barras)
        for (const double valor : serie.Valores) mayor = std::max(mayor, std::fabs(valor));
    return int(std::floor(std::log10(mayor))) + 1 + std::max(0, datos.Decimales);
}

QAbstractBarSeries* SerieBarras(const DatosGrafico& datos) {
    const bool apiladas = datos.Forma == FormaBarras::Apiladas;
    QAbstractBarSeries* serie = nullptr;
    if (datos.Horizontal)
        serie = apiladas ? static_cast<QAbstractBarSeries*>(new QHorizontalStackedBarSeries)
                         : new QHorizontalBarSeries;
    else
        serie = apiladas ? static_cast<QAbstractBarSeries*>(new QStackedBarSeries) : new QBarSeries;
    // Bars too thin for a border or a hatching of their own show their colour whole.
    const bool finas = Finas(datos);
    const QPen borde = finas ? QPen(Qt::NoPen) : QPen(Qt::black, 1);
    for (std::size_t i = 0; i < datos.Barras.size(); ++i) {
        const EstiloBarras& estilo = EstilosBarras[i % std::size(EstilosBarras)];
        auto* conjunto = new QBarSet(datos.Barras[i].Nombre);
        for (const double valor : datos.Barras[i].Valores) conjunto->append(valor);
        conjunto->setBrush(QBrush(estilo.color, finas ? Qt::SolidPattern : estilo.trama));
        conjunto->setPen(borde);
        conjunto->setLabelColor(Qt::black);
        serie->append(conjunto);
    }
    serie->setBarWidth(apiladas ? 0.6 : 0.8);
    if (datos.ValoresEnBarras) {
        serie->setLabelsVisible(true);
        serie->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
        serie->setLabelsPrecision(CifrasDeLasEtiquetas(datos));
    }
    return serie;
}

// Where a bar is narrower than the figure over it, the figures would run into each other: none is
// written and the axis reads them. Decided again whenever the plot changes size.
void OcultarEtiquetasQueNoCaben(QChart& grafico, QAbstractBarSeries& serie,
                                const DatosGrafico& datos) {
    QStringList textos;
    for (const SerieGrafico& s : datos.Barras)
        for (const double valor : s.Valores)
            textos << QLocale().toString(valor, 'g', CifrasDeLasEtiquetas(datos));
    QObject::connect(
        &grafico, &QChart::plotAreaChanged, &serie,
        [&serie, textos, horizontal = datos.Horizontal, categorias = datos.Categorias.size(),
         barras = qsizetype(datos.Forma == FormaBarras::Apiladas ? 1 : datos.Barras.size())](
            const QRectF& area) {
            if (categorias == 0 || barras == 0) return;
            const QFontMetricsF medida(
                serie.barSets().value(0) ? serie.barSets().value(0)->labelFont() : QFont());
            qreal mayor = 0;
            for (const QString& texto : textos)
                mayor =
                    std::max(mayor, horizontal ? medida.height() : medida.horizontalAdvance(texto));
            const qreal ancho = (horizontal ? area.height() : area.width()) / qreal(categorias) *
                                serie.barWidth() / qreal(barras);
            serie.setLabelsVisible(mayor <= ancho);
        });
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
        if (datos.ValoresEnBarras) OcultarEtiquetasQueNoCaben(*grafico, *barras, datos);
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
        // Thinner over thin bars, which it would otherwise hide.
        linea->setPen(QPen(Qt::black, Finas(datos) ? 1.2 : 2));
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
