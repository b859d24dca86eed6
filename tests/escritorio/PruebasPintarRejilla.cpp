// Painting the grid for the printer: what is on screen, at its physical size on the device.
#include "RejillaTexto.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double PulgadasPorMetro = 39.37007874;

QImage LienzoBlanco(QSize tamano, int ppp) {
    QImage lienzo(tamano, QImage::Format_RGB32);
    lienzo.setDotsPerMeterX(int(std::lround(ppp * PulgadasPorMetro)));
    lienzo.setDotsPerMeterY(int(std::lround(ppp * PulgadasPorMetro)));
    lienzo.fill(Qt::white);
    return lienzo;
}

// The smallest rectangle holding every pixel that is not white.
QRect ZonaPintada(const QImage& lienzo) {
    int izquierda = lienzo.width(), arriba = lienzo.height(), derecha = -1, abajo = -1;
    for (int y = 0; y < lienzo.height(); ++y) {
        const auto* linea = reinterpret_cast<const QRgb*>(lienzo.constScanLine(y));
        for (int x = 0; x < lienzo.width(); ++x) {
            if ((linea[x] & 0xFFFFFF) == 0xFFFFFF) continue;
            izquierda = std::min(izquierda, x);
            derecha = std::max(derecha, x);
            arriba = std::min(arriba, y);
            abajo = std::max(abajo, y);
        }
    }
    return derecha < 0 ? QRect() : QRect(QPoint(izquierda, arriba), QPoint(derecha, abajo));
}

// A grid wider than its window, with something in every visible cell.
void Rellenar(RejillaTexto& rejilla) {
    rejilla.resize(300, 150);
    rejilla.PonerColumnas(40);
    rejilla.PonerFilas(10);
    for (int columna = 1; columna < 40; ++columna)
        rejilla.PonerCelda(columna, 0, QString::number(columna));
    for (int fila = 1; fila < 10; ++fila) {
        rejilla.PonerCelda(0, fila, QStringLiteral("F%1").arg(fila));
        for (int columna = 1; columna < 40; ++columna)
            rejilla.PonerCelda(columna, fila, QString::number(columna * fila));
    }
}

class PintarRejilla : public testing::TestWithParam<int> {};

TEST_P(PintarRejilla, ConservaElTamanoFisicoDePantallaYSoloLoVisible) {
    RejillaTexto rejilla;
    Rellenar(rejilla);
    rejilla.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&rejilla));

    const int ppp = GetParam();
    const double escala = double(ppp) / rejilla.logicalDpiX();
    const QPoint origen(10, 10);
    QImage lienzo = LienzoBlanco((QSizeF(rejilla.size()) * escala).toSize() + QSize(60, 60), ppp);
    {
        QPainter pintor(&lienzo);
        rejilla.Pintar(pintor, origen);
    }

    const QRect pintada = ZonaPintada(lienzo);
    ASSERT_TRUE(pintada.isValid()) << "nothing painted";
    const double tolerancia = escala + 1;
    EXPECT_NEAR(pintada.left(), origen.x(), tolerancia);
    EXPECT_NEAR(pintada.top(), origen.y(), tolerancia);
    EXPECT_NEAR(pintada.width(), rejilla.width() * escala, 2 * tolerancia);
    EXPECT_NEAR(pintada.height(), rejilla.height() * escala, 2 * tolerancia);
}

INSTANTIATE_TEST_SUITE_P(Rejilla, PintarRejilla, testing::Values(96, 300, 600),
                         [](const auto& instancia) {
                             return std::to_string(instancia.param) + "ppp";
                         });

} // namespace
