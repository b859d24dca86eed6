// The grid's texts, counts, headers, sizes and current cell, as a user and the main window see
// them.
#include "RejillaTexto.h"

#include <QHeaderView>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

namespace {

// What the view shows in a data cell, through its model (grid coordinates).
QString Mostrado(const RejillaTexto& rejilla, int columna, int fila) {
    return rejilla.model()->index(fila - 1, columna - 1).data().toString();
}

QString CabeceraColumna(const RejillaTexto& rejilla, int columna) {
    return rejilla.model()->headerData(columna - 1, Qt::Horizontal).toString();
}

QString CabeceraFila(const RejillaTexto& rejilla, int fila) {
    return rejilla.model()->headerData(fila - 1, Qt::Vertical).toString();
}

struct CambioDeTamano {
    const char* nombre;
    int columnasIntermedias;
    int filasIntermedias;
};
// ctest lists the cases by name.
void PrintTo(const CambioDeTamano& caso, std::ostream* salida) {
    *salida << caso.nombre;
}

class TextosAlCambiarTamano : public testing::TestWithParam<CambioDeTamano> {};

TEST_P(TextosAlCambiarTamano, ReaparecenAlVolverAlTamanoAnterior) {
    RejillaTexto rejilla;
    rejilla.PonerColumnas(10);
    rejilla.PonerFilas(10);
    rejilla.PonerCelda(9, 9, "esquina");
    rejilla.PonerCelda(9, 0, "8");
    rejilla.PonerCelda(0, 9, "CTotal");
    rejilla.PonerCelda(2, 3, "dentro");

    rejilla.PonerColumnas(GetParam().columnasIntermedias);
    rejilla.PonerFilas(GetParam().filasIntermedias);
    EXPECT_EQ(rejilla.Celda(9, 9), "esquina") << "kept while out of view";
    EXPECT_GE(rejilla.Columnas(), 2) << "the fixed column and at least one more";
    EXPECT_GE(rejilla.Filas(), 2);
    EXPECT_EQ(rejilla.model()->columnCount(), rejilla.Columnas() - 1);
    EXPECT_EQ(rejilla.model()->rowCount(), rejilla.Filas() - 1);

    rejilla.PonerColumnas(10);
    rejilla.PonerFilas(10);
    EXPECT_EQ(Mostrado(rejilla, 9, 9), "esquina");
    EXPECT_EQ(CabeceraColumna(rejilla, 9), "8");
    EXPECT_EQ(CabeceraFila(rejilla, 9), "CTotal");
    EXPECT_EQ(Mostrado(rejilla, 2, 3), "dentro");
}

INSTANTIATE_TEST_SUITE_P(Rejilla, TextosAlCambiarTamano,
                         testing::Values(CambioDeTamano{"MenosColumnas", 4, 10},
                                         CambioDeTamano{"MenosFilas", 10, 7},
                                         CambioDeTamano{"AmbasAlMinimo", 2, 2},
                                         CambioDeTamano{"PorDebajoDelMinimo", -3, 0},
                                         CambioDeTamano{"MasYLuegoMenos", 40, 30}),
                         [](const auto& instancia) { return std::string(instancia.param.nombre); });

TEST(Rejilla, LasCeldasFijasSonLasCabeceras) {
    RejillaTexto rejilla;
    rejilla.PonerColumnas(4);
    rejilla.PonerFilas(4);
    rejilla.PonerCelda(1, 0, "1");
    rejilla.PonerCelda(3, 0, "3");
    rejilla.PonerCelda(0, 2, "D");
    rejilla.PonerCelda(0, 0, "nunca visible");

    EXPECT_EQ(CabeceraColumna(rejilla, 1), "1");
    EXPECT_EQ(CabeceraColumna(rejilla, 2), "");
    EXPECT_EQ(CabeceraColumna(rejilla, 3), "3");
    EXPECT_EQ(CabeceraFila(rejilla, 1), "");
    EXPECT_EQ(CabeceraFila(rejilla, 2), "D");
    for (int fila = 1; fila < 4; ++fila)
        for (int columna = 1; columna < 4; ++columna)
            EXPECT_EQ(Mostrado(rejilla, columna, fila), "") << columna << "," << fila;
}

TEST(Rejilla, PonerTextosLoSustituyeTodoYConservaLaCeldaActual) {
    RejillaTexto rejilla;
    rejilla.PonerCelda(1, 1, "viejo");
    rejilla.PonerCeldaActual(3, 2);
    TextosCelda nuevos;
    nuevos.PonerCelda(2, 2, "nuevo");
    nuevos.PonerCelda(0, 1, "NB");

    rejilla.PonerTextos(nuevos);

    EXPECT_EQ(rejilla.Textos(), nuevos);
    EXPECT_EQ(Mostrado(rejilla, 1, 1), "");
    EXPECT_EQ(Mostrado(rejilla, 2, 2), "nuevo");
    EXPECT_EQ(CabeceraFila(rejilla, 1), "NB");
    EXPECT_EQ(rejilla.ColumnaActual(), 3);
    EXPECT_EQ(rejilla.FilaActual(), 2);
}

TEST(Rejilla, TamanosPorDefectoTambienEnColumnasYFilasNuevas) {
    RejillaTexto rejilla;
    rejilla.resize(600, 400);
    rejilla.show();
    rejilla.PonerColumnas(12);
    rejilla.PonerFilas(10);

    for (int columna = 1; columna < rejilla.Columnas(); ++columna)
        EXPECT_EQ(rejilla.columnWidth(columna - 1), RejillaTexto::AnchoColumnaDefecto);
    for (int fila = 1; fila < rejilla.Filas(); ++fila)
        EXPECT_EQ(rejilla.rowHeight(fila - 1), RejillaTexto::AltoFilaDefecto);
    EXPECT_EQ(rejilla.horizontalHeader()->height(), RejillaTexto::AltoFilaDefecto);
    EXPECT_EQ(rejilla.verticalHeader()->width(), RejillaTexto::AnchoColumnaDefecto);
}

TEST(Rejilla, LaColumnaFijaSeEnsanchaSoloSiUnaEtiquetaNoCabe) {
    RejillaTexto rejilla;
    rejilla.resize(600, 400);
    rejilla.show();
    rejilla.PonerFilas(10);
    const char* const etiquetas[] = {"NB", "D", "RP", "NN", "RPPL", "PPL", "Ce", "Cp", "CTotal"};
    for (int fila = 1; fila <= 9; ++fila) rejilla.PonerCelda(0, fila, etiquetas[fila - 1]);
    QApplication::processEvents();
    const int anchoConEtiquetas = rejilla.verticalHeader()->width();
    EXPECT_GE(anchoConEtiquetas, RejillaTexto::AnchoColumnaDefecto);

    rejilla.PonerCelda(0, 5, "Una etiqueta bastante más larga");
    QApplication::processEvents();
    EXPECT_GT(rejilla.verticalHeader()->width(), 100);
}

TEST(Rejilla, ArrastrarElBordeDeUnaCabeceraCambiaElAnchoDeSuColumna) {
    RejillaTexto rejilla;
    rejilla.resize(600, 400);
    rejilla.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&rejilla));
    QHeaderView* cabecera = rejilla.horizontalHeader();
    const int borde = cabecera->sectionViewportPosition(1) + cabecera->sectionSize(1) - 1;
    const int medio = cabecera->height() / 2;

    QTest::mousePress(cabecera->viewport(), Qt::LeftButton, {}, QPoint(borde, medio));
    QTest::mouseMove(cabecera->viewport(), QPoint(borde + 25, medio));
    QTest::mouseRelease(cabecera->viewport(), Qt::LeftButton, {}, QPoint(borde + 25, medio));

    EXPECT_EQ(rejilla.columnWidth(1), RejillaTexto::AnchoColumnaDefecto + 25);
    EXPECT_EQ(rejilla.columnWidth(0), RejillaTexto::AnchoColumnaDefecto);
}

TEST(Rejilla, LasFilasNoSeRedimensionanConElRaton) {
    RejillaTexto rejilla;
    rejilla.resize(600, 400);
    rejilla.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&rejilla));
    QHeaderView* cabecera = rejilla.verticalHeader();
    const int borde = cabecera->sectionViewportPosition(1) + cabecera->sectionSize(1) - 1;
    const int medio = cabecera->width() / 2;

    QTest::mousePress(cabecera->viewport(), Qt::LeftButton, {}, QPoint(medio, borde));
    QTest::mouseMove(cabecera->viewport(), QPoint(medio, borde + 25));
    QTest::mouseRelease(cabecera->viewport(), Qt::LeftButton, {}, QPoint(medio, borde + 25));

    EXPECT_EQ(rejilla.rowHeight(1), RejillaTexto::AltoFilaDefecto);
}

struct MovimientoCeldaActual {
    const char* nombre;
    int columna;
    int fila;
    int columnaEsperada;
    int filaEsperada;
};
void PrintTo(const MovimientoCeldaActual& caso, std::ostream* salida) {
    *salida << caso.nombre;
}

class PonerCeldaActual : public testing::TestWithParam<MovimientoCeldaActual> {};

TEST_P(PonerCeldaActual, MueveLaCeldaYLaSeleccionSoloDentroDeLaRejilla) {
    RejillaTexto rejilla;
    rejilla.PonerColumnas(10);
    rejilla.PonerFilas(7);
    rejilla.PonerCeldaActual(4, 3);

    const auto& caso = GetParam();
    rejilla.PonerCeldaActual(caso.columna, caso.fila);

    EXPECT_EQ(rejilla.ColumnaActual(), caso.columnaEsperada);
    EXPECT_EQ(rejilla.FilaActual(), caso.filaEsperada);
    const QModelIndexList seleccion = rejilla.selectionModel()->selectedIndexes();
    ASSERT_EQ(seleccion.size(), 1);
    EXPECT_EQ(seleccion.first(), rejilla.currentIndex());
}

INSTANTIATE_TEST_SUITE_P(
    Rejilla, PonerCeldaActual,
    testing::Values(MovimientoCeldaActual{"UnaColumnaALaDerecha", 5, 3, 5, 3},
                    MovimientoCeldaActual{"PrimeraCeldaDeDatos", 1, 1, 1, 1},
                    MovimientoCeldaActual{"UltimaCelda", 9, 6, 9, 6},
                    MovimientoCeldaActual{"ColumnaFijaSeIgnora", 0, 3, 4, 3},
                    MovimientoCeldaActual{"FilaFijaSeIgnora", 4, 0, 4, 3},
                    MovimientoCeldaActual{"MasAllaDeLaUltimaColumnaSeIgnora", 10, 3, 4, 3},
                    MovimientoCeldaActual{"MasAllaDeLaUltimaFilaSeIgnora", 4, 7, 4, 3}),
    [](const auto& instancia) { return std::string(instancia.param.nombre); });

TEST(Rejilla, SiempreHayCeldaActualAunqueDesaparezcaLaSuya) {
    RejillaTexto rejilla;
    EXPECT_EQ(rejilla.ColumnaActual(), 1);
    EXPECT_EQ(rejilla.FilaActual(), 1);
    EXPECT_TRUE(rejilla.currentIndex().isValid());

    rejilla.PonerColumnas(10);
    rejilla.PonerFilas(10);
    rejilla.PonerCeldaActual(9, 9);
    rejilla.PonerColumnas(4);
    rejilla.PonerFilas(3);

    EXPECT_TRUE(rejilla.currentIndex().isValid());
    EXPECT_GE(rejilla.ColumnaActual(), 1);
    EXPECT_LT(rejilla.ColumnaActual(), 4);
    EXPECT_GE(rejilla.FilaActual(), 1);
    EXPECT_LT(rejilla.FilaActual(), 3);
}

TEST(Rejilla, ClicYMayusculasClicSeleccionanUnRango) {
    RejillaTexto rejilla;
    rejilla.resize(600, 400);
    rejilla.PonerColumnas(10);
    rejilla.PonerFilas(10);
    rejilla.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&rejilla));
    const auto centro = [&](int columna, int fila) {
        return rejilla.visualRect(rejilla.model()->index(fila - 1, columna - 1)).center();
    };

    QTest::mouseClick(rejilla.viewport(), Qt::LeftButton, {}, centro(2, 2));
    QTest::mouseClick(rejilla.viewport(), Qt::LeftButton, Qt::ShiftModifier, centro(4, 3));

    EXPECT_EQ(rejilla.selectionModel()->selectedIndexes().size(), 6);
    EXPECT_EQ(rejilla.ColumnaActual(), 4);
    EXPECT_EQ(rejilla.FilaActual(), 3);
}

} // namespace

// Marks colour cells and add to their tool tips by layer; those that judge a text go when it
// changes, however it changes, and the others stay until they are replaced.
TEST(MarcasRejilla, CapasColoresNotasYDuracion) {
    RejillaTexto rejilla;
    rejilla.PonerColumnas(4);
    rejilla.PonerFilas(4);
    rejilla.PonerCelda(1, 1, "7");
    rejilla.PonerCelda(2, 1, "8");
    const auto dato = [&](int columna, int fila, int rol) {
        return rejilla.model()->index(fila - 1, columna - 1).data(rol);
    };
    rejilla.PonerMarcas(0, {{QPoint(1, 1), {Qt::red, {}, "Rotura"}}});
    rejilla.PonerMarcas(
        5,
        {{QPoint(1, 1), {Qt::darkGreen, Qt::green, "Bien"}}, {QPoint(2, 1), {{}, Qt::yellow, {}}}},
        DuracionMarcas::HastaCambiarElTexto);
    EXPECT_EQ(dato(1, 1, Qt::ForegroundRole).value<QColor>(), QColor(Qt::darkGreen));
    EXPECT_EQ(dato(1, 1, Qt::BackgroundRole).value<QColor>(), QColor(Qt::green));
    EXPECT_EQ(dato(1, 1, Qt::ToolTipRole).toString(), "7\nRotura\nBien");
    EXPECT_EQ(dato(2, 1, Qt::ToolTipRole).toString(), "8");
    EXPECT_FALSE(dato(3, 1, Qt::BackgroundRole).isValid());

    rejilla.model()->setData(rejilla.model()->index(0, 0), "9"); // typed
    EXPECT_EQ(dato(1, 1, Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_EQ(dato(1, 1, Qt::ToolTipRole).toString(), "9\nRotura");
    TextosCelda textos = rejilla.Textos();
    textos.PonerCelda(3, 3, "otra"); // column 2 keeps its text and its mark
    rejilla.PonerTextos(textos);
    EXPECT_EQ(dato(2, 1, Qt::BackgroundRole).value<QColor>(), QColor(Qt::yellow));
    textos.PonerCelda(2, 1, "");
    rejilla.PonerTextos(textos);
    EXPECT_FALSE(dato(2, 1, Qt::BackgroundRole).isValid());

    rejilla.PonerMarcas(0, {});
    EXPECT_FALSE(dato(1, 1, Qt::ForegroundRole).isValid());
    EXPECT_EQ(rejilla.Celda(1, 1), "9"); // marks never change a text
}
