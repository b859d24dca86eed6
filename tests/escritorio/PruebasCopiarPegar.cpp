// The grid with the keys of a spreadsheet: Ctrl+C and Ctrl+V through the clipboard, also while a
// cell is typed into, Supr and Backspace on a range, Ctrl+Tab out of the grid, and columns as
// wide as their texts.
#include "RejillaTexto.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <ostream>

namespace {

class CopiarPegar : public testing::Test {
protected:
    void SetUp() override {
        antes = new QLineEdit(&ventana);
        rejilla = new RejillaTexto(&ventana);
        despues = new QLineEdit(&ventana);
        auto* disposicion = new QVBoxLayout(&ventana);
        for (QWidget* hijo : {static_cast<QWidget*>(antes), static_cast<QWidget*>(rejilla),
                              static_cast<QWidget*>(despues)})
            disposicion->addWidget(hijo);
        ventana.resize(600, 400);
        rejilla->PonerColumnas(6);
        rejilla->PonerFilas(4);
        ventana.show();
        ventana.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
        rejilla->setFocus();
    }

    QWidget* Foco() { return QApplication::focusWidget() ? QApplication::focusWidget() : rejilla; }
    void Pulsar(int tecla, Qt::KeyboardModifiers modificadores = {}) {
        QTest::keyClick(Foco(), Qt::Key(tecla), modificadores);
    }
    bool Editando() {
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        return editor && rejilla->isAncestorOf(editor);
    }
    void Seleccionar(int columna, int fila, int ultimaColumna, int ultimaFila) {
        rejilla->PonerCeldaActual(columna, fila);
        rejilla->selectionModel()->select(
            QItemSelection(rejilla->model()->index(fila - 1, columna - 1),
                           rejilla->model()->index(ultimaFila - 1, ultimaColumna - 1)),
            QItemSelectionModel::ClearAndSelect);
    }
    QString Portapapeles() { return QGuiApplication::clipboard()->text(); }
    void PonerPortapapeles(const QString& texto) { QGuiApplication::clipboard()->setText(texto); }

    QWidget ventana;
    QLineEdit* antes = nullptr;
    RejillaTexto* rejilla = nullptr;
    QLineEdit* despues = nullptr;
};

TEST_F(CopiarPegar, UnBloqueDeDosPorTresVaYVuelvePorElPortapapeles) {
    const char* const textos[] = {"1", "", "3", "4", "5,5", "-6"};
    for (int i = 0; i < 6; ++i) rejilla->PonerCelda(2 + i % 3, 1 + i / 3, textos[i]);
    QSignalSpy copiadas(rejilla, &RejillaTexto::Copiadas);
    Seleccionar(2, 1, 4, 2);
    Pulsar(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Portapapeles(), "1\t\t3\n4\t5,5\t-6\n");
    ASSERT_EQ(copiadas.size(), 1);
    EXPECT_EQ(copiadas[0][0].toInt(), 6);

    QSignalSpy pegadas(rejilla, &RejillaTexto::Pegadas);
    rejilla->PonerCelda(2, 2, "se vacía");
    rejilla->PonerCeldaActual(1, 2);
    Pulsar(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(rejilla->Celda(1, 2), "1");
    EXPECT_EQ(rejilla->Celda(2, 2), "") << "an empty field empties its cell";
    EXPECT_EQ(rejilla->Celda(3, 3), "-6");
    EXPECT_EQ(rejilla->Seleccion(), (RangoCeldas{1, 2, 3, 2})) << "the pasted cells are selected";
    ASSERT_EQ(pegadas.size(), 1);
    EXPECT_EQ(pegadas[0][0].value<ResultadoPegado>().fuera, 0);
}

TEST_F(CopiarPegar, LoQueNoCabeSeGuardaYAparecePonerMasColumnas) {
    PonerPortapapeles("1\t2\t3\n4\t5\t6\n7\t8\t9\n");
    QSignalSpy pegadas(rejilla, &RejillaTexto::Pegadas);
    rejilla->PonerCeldaActual(4, 2);
    Pulsar(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(pegadas.size(), 1);
    const auto pegado = pegadas[0][0].value<ResultadoPegado>();
    EXPECT_EQ(pegado.celdas, 9);
    EXPECT_EQ(pegado.fuera, 5) << "column 6 of rows 2 and 3, and row 4";
    EXPECT_EQ(rejilla->Seleccion(), (RangoCeldas{4, 2, 2, 2}));
    rejilla->PonerColumnas(7);
    rejilla->PonerFilas(5);
    EXPECT_EQ(rejilla->model()->index(3, 5).data().toString(), "9");
}

// Pasting while a cell is typed into: several cells replace the typing and spread from that
// cell; one cell goes into the typing, without the line end a spreadsheet adds.
TEST_F(CopiarPegar, PegarEditandoReparteUnBloqueOEscribeUnaCelda) {
    rejilla->PonerCeldaActual(1, 1);
    Pulsar(Qt::Key_9);
    ASSERT_TRUE(Editando());
    PonerPortapapeles("11\t22\t33");
    Pulsar(Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(Editando());
    EXPECT_EQ(rejilla->Celda(1, 1), "11");
    EXPECT_EQ(rejilla->Celda(2, 1), "22");
    EXPECT_EQ(rejilla->Celda(3, 1), "33");

    rejilla->PonerCeldaActual(1, 2);
    Pulsar(Qt::Key_9);
    PonerPortapapeles("44\r\n");
    Pulsar(Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(Editando());
    Pulsar(Qt::Key_Return);
    EXPECT_EQ(rejilla->Celda(1, 2), "944");

    // "Paste" of the editor's own menu does what Ctrl+V does.
    rejilla->PonerCeldaActual(1, 3);
    Pulsar(Qt::Key_9);
    PonerPortapapeles("5\t6\n");
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* accion : menu->actions())
            if (accion->text().startsWith(QLineEdit::tr("&Paste"))) accion->trigger();
        menu->close();
    });
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(QApplication::focusWidget(), &menu);
    EXPECT_FALSE(Editando());
    EXPECT_EQ(rejilla->Celda(1, 3), "5");
    EXPECT_EQ(rejilla->Celda(2, 3), "6");
}

struct TeclaDeBorrado {
    const char* nombre;
    Qt::Key tecla;
};
void PrintTo(const TeclaDeBorrado& caso, std::ostream* salida) {
    *salida << caso.nombre;
}

class BorrarConTecla : public CopiarPegar, public testing::WithParamInterface<TeclaDeBorrado> {};

TEST_P(BorrarConTecla, VaciaLasCeldasSeleccionadasYNingunaMas) {
    for (int columna = 1; columna <= 5; ++columna)
        for (int fila = 1; fila <= 3; ++fila) rejilla->PonerCelda(columna, fila, "x");
    QSignalSpy borradas(rejilla, &RejillaTexto::Borradas);
    Seleccionar(2, 2, 4, 3);
    Pulsar(GetParam().tecla);
    EXPECT_FALSE(Editando());
    EXPECT_EQ(TextoDeRango(rejilla->Textos(), {1, 1, 5, 3}),
              "x\tx\tx\tx\tx\nx\t\t\t\tx\nx\t\t\t\tx\n");
    ASSERT_EQ(borradas.size(), 1);
    EXPECT_EQ(borradas[0][0].toInt(), 6);
}

INSTANTIATE_TEST_SUITE_P(CopiarPegar, BorrarConTecla,
                         testing::Values(TeclaDeBorrado{"Supr", Qt::Key_Delete},
                                         TeclaDeBorrado{"Retroceso", Qt::Key_Backspace}),
                         [](const auto& instancia) { return std::string(instancia.param.nombre); });

TEST_F(CopiarPegar, ControlTabSaleDeLaRejillaTabNo) {
    rejilla->PonerCeldaActual(2, 1);
    Pulsar(Qt::Key_Tab);
    EXPECT_TRUE(rejilla->hasFocus());
    EXPECT_EQ(rejilla->ColumnaActual(), 3);

    Pulsar(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(despues->hasFocus());

    // From a cell being typed into, which keeps what was typed.
    rejilla->setFocus();
    Pulsar(Qt::Key_7);
    ASSERT_TRUE(Editando());
    Pulsar(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(antes->hasFocus());
    EXPECT_EQ(rejilla->Celda(3, 1), "7");
}

// Columns fit their texts as painted: margins, and the bold of the marked column, included.
TEST_F(CopiarPegar, LasColumnasSeAjustanASusTextosSinQuitarAnchoAlUsuario) {
    rejilla->PonerCelda(1, 2, "-1,23456789012346E-5");
    rejilla->PonerCelda(5, 3, "17051,1280770832");
    rejilla->PonerColumnaNegrita(5);
    // The user widens column 3 by dragging its border.
    QHeaderView* cabecera = rejilla->horizontalHeader();
    const int borde = cabecera->sectionViewportPosition(2) + cabecera->sectionSize(2) - 1;
    QTest::mousePress(cabecera->viewport(), Qt::LeftButton, {}, QPoint(borde, 5));
    QTest::mouseMove(cabecera->viewport(), QPoint(borde + 60, 5));
    QTest::mouseRelease(cabecera->viewport(), Qt::LeftButton, {}, QPoint(borde + 60, 5));

    rejilla->AjustarColumnas();

    const QFont normal = rejilla->font();
    QFont negrita = normal;
    negrita.setBold(true);
    const int margenes = 2 * (rejilla->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    EXPECT_GE(rejilla->columnWidth(0),
              QFontMetrics(normal).horizontalAdvance("-1,23456789012346E-5") + margenes);
    EXPECT_GE(rejilla->columnWidth(4),
              QFontMetrics(negrita).horizontalAdvance("17051,1280770832") + margenes);
    EXPECT_EQ(rejilla->columnWidth(1), RejillaTexto::AnchoColumnaDefecto);
    EXPECT_EQ(rejilla->columnWidth(2), RejillaTexto::AnchoColumnaDefecto + 60);
    EXPECT_TRUE(rejilla->model()->index(2, 4).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(rejilla->model()->index(1, 0).data(Qt::ToolTipRole).toString(),
              "-1,23456789012346E-5");
    EXPECT_FALSE(rejilla->model()->index(0, 0).data(Qt::ToolTipRole).isValid());

    // Shorter texts narrow a column again, down to the default width.
    rejilla->PonerCelda(1, 2, "1");
    rejilla->AjustarColumnas();
    EXPECT_EQ(rejilla->columnWidth(0), RejillaTexto::AnchoColumnaDefecto);
}

} // namespace
