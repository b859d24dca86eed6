// Every chart drawn offscreen: it holds the values of its data, paints something, and paints its
// lines' markers and its bars' fills where they belong.
#include "CalculoArticulo.h"
#include "Grafico.h"
#include "GraficosCalculo.h"
#include "GraficosExperimentos.h"
#include "ProblemaEjemplo.h"

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include <cstdlib>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct CasoGrafico {
    const char* nombre;
    DatosGrafico datos;
};

void PrintTo(const CasoGrafico& caso, std::ostream* salida) {
    *salida << caso.nombre;
}

// The worked example planned with the stock below zero in period 1.
ResultadoCalculo PlanConStockNegativo() {
    Articulo p = ProblemaEjemplo(LotificacionPOQ);
    p.Entrada.D[1] = 0;
    return CalcularSeleccionada(p);
}

DatosExperimentos Estadisticas() {
    DatosExperimentos datos;
    for (int m = 0; m < NumeroMetodos; ++m) {
        datos.Estadisticas[std::size_t(m)] = {10 * m + 3, 0, 1e6, 0.2 * m + 0.1, 0.05 * m};
        datos.EstadisticasOptimo[std::size_t(m)] = {5 * m + 1, 0.3, 0.1 * m};
    }
    return datos;
}

std::vector<CasoGrafico> Casos() {
    return {
        {"plan", GraficoPlan(PlanConStockNegativo())},
        {"comparacion", GraficoComparacion(PlanConStockNegativo().Comparacion)},
        {"veces_mas_barato", GraficoVecesMasBarato(Estadisticas(), true, "40")},
        {"desviaciones", GraficoDesviaciones(Estadisticas(), true)},
    };
}

// Pixels that are not the white background.
bool Pintado(QRgb pixel) {
    return qGray(pixel) < 235;
}

// The square of side 2 * radio + 1 around the point is all dark: a marker's disc, which neither a
// bar's border nor the zero line would give.
bool MarcaEn(const QImage& imagen, QPointF punto, int radio) {
    for (int dy = -radio; dy <= radio; ++dy)
        for (int dx = -radio; dx <= radio; ++dx) {
            const QPoint p = punto.toPoint() + QPoint(dx, dy);
            if (!imagen.rect().contains(p) || qGray(imagen.pixel(p)) >= 60) return false;
        }
    return true;
}

class PintarGraficos : public testing::TestWithParam<CasoGrafico> {};

TEST_P(PintarGraficos, GuardaSusValoresYLosPinta) {
    const DatosGrafico& datos = GetParam().datos;
    QGraphicsScene escena;
    QChart* grafico = CrearGrafico(datos);
    escena.addItem(grafico);
    const QRectF area(0, 0, 900, 560);
    grafico->setGeometry(area);
    QImage imagen(area.size().toSize(), QImage::Format_RGB32);
    imagen.fill(Qt::white);
    {
        QPainter pintor(&imagen);
        escena.render(&pintor, area, area);
    }

    // The bars: one set per series, with its values.
    const auto barras = qobject_cast<QAbstractBarSeries*>(grafico->series().value(0));
    ASSERT_NE(barras, nullptr);
    ASSERT_EQ(barras->barSets().size(), qsizetype(datos.Barras.size()));
    for (std::size_t s = 0; s < datos.Barras.size(); ++s) {
        const QBarSet* conjunto = barras->barSets()[qsizetype(s)];
        EXPECT_EQ(conjunto->label(), datos.Barras[s].Nombre);
        ASSERT_EQ(conjunto->count(), qsizetype(datos.Categorias.size()));
        for (qsizetype c = 0; c < conjunto->count(); ++c)
            EXPECT_EQ(conjunto->at(c), datos.Barras[s].Valores[std::size_t(c)]);
    }
    // Every value shows within the value axis, 0 included.
    QValueAxis* valores = nullptr;
    for (QAbstractAxis* eje : grafico->axes())
        if (eje->type() == QAbstractAxis::AxisTypeValue) valores = qobject_cast<QValueAxis*>(eje);
    ASSERT_NE(valores, nullptr);
    EXPECT_LE(valores->min(), 0);

    // The lines: a marker painted at each of their points.
    for (const SerieGrafico& esperada : datos.Lineas) {
        QLineSeries* linea = nullptr;
        for (QAbstractSeries* serie : grafico->series())
            if (serie->name() == esperada.Nombre) linea = qobject_cast<QLineSeries*>(serie);
        ASSERT_NE(linea, nullptr) << esperada.Nombre.toStdString();
        ASSERT_EQ(linea->count(), qsizetype(esperada.Valores.size()));
        for (qsizetype i = 0; i < linea->count(); ++i) {
            const double valor = esperada.Valores[std::size_t(i)];
            EXPECT_EQ(linea->at(i), QPointF(qreal(i), valor));
            EXPECT_TRUE(valores->min() <= valor && valor <= valores->max());
            const QPointF donde = grafico->mapToPosition(linea->at(i), linea);
            EXPECT_TRUE(MarcaEn(imagen, donde, 1)) << "no marker at point " << i;
        }
    }

    // Not blank: the fills of the bars and the texts cover a good part of the image.
    qsizetype pintados = 0;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x) pintados += Pintado(imagen.pixel(x, y));
    EXPECT_GT(pintados, imagen.width() * imagen.height() / 20);
    EXPECT_FALSE(Pintado(imagen.pixel(2, 2))) << "a white background";
}

std::string NombreCaso(const testing::TestParamInfo<CasoGrafico>& caso) {
    return caso.param.nombre;
}

INSTANTIATE_TEST_SUITE_P(Graficos, PintarGraficos, testing::ValuesIn(Casos()), NombreCaso);

// The routine the report uses lays the chart out at a screen's size whatever the device: on an
// image of twice the resolution it paints the same picture twice as large.
TEST(PintarGrafico, EscalaConLaResolucionDelDispositivo) {
    const DatosGrafico datos = GraficoPlan(PlanConStockNegativo());
    auto pintar = [&](int puntosPorPulgada) {
        const int lado = 6 * puntosPorPulgada; // six inches wide, three high
        QImage imagen(lado, lado / 2, QImage::Format_RGB32);
        imagen.setDotsPerMeterX(int(puntosPorPulgada / 0.0254));
        imagen.setDotsPerMeterY(int(puntosPorPulgada / 0.0254));
        imagen.fill(Qt::white);
        QPainter pintor(&imagen);
        PintarGrafico(pintor, imagen.rect(), datos);
        return imagen;
    };
    const QImage sencilla = pintar(96), doble = pintar(192);
    const QImage reducida =
        doble.scaled(sencilla.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    qsizetype distintos = 0;
    for (int y = 0; y < sencilla.height(); ++y)
        for (int x = 0; x < sencilla.width(); ++x)
            distintos += std::abs(qGray(sencilla.pixel(x, y)) - qGray(reducida.pixel(x, y))) > 96;
    EXPECT_LT(distintos, sencilla.width() * sencilla.height() / 50);
}

} // namespace
