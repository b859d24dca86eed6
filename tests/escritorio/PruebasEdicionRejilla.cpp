// Editing in place and the key-down notification, driven with the keyboard and the mouse.
#include "RejillaTexto.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

#include <vector>

namespace {

class EdicionRejilla : public testing::Test {
protected:
    void SetUp() override {
        rejilla.resize(600, 300);
        rejilla.PonerColumnas(6);
        rejilla.PonerFilas(4);
        rejilla.show();
        rejilla.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&rejilla));
        rejilla.setFocus();
        RegistrarNotificaciones();
    }

    // Keys go where the user's would: to whatever has the focus, the cell editor once it is open.
    void Teclear(const QString& texto) {
        for (const QChar caracter : texto) QTest::keyClick(Foco(), caracter.toLatin1());
    }
    void Pulsar(Qt::Key tecla) { QTest::keyClick(Foco(), tecla); }
    QWidget* Foco() { return QApplication::focusWidget() ? QApplication::focusWidget() : &rejilla; }

    // The cell editor, while one is open: a line edit inside the grid that holds the focus.
    QLineEdit* Editor() {
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        return editor && rejilla.isAncestorOf(editor) && editor->isVisible() ? editor : nullptr;
    }
    bool Editando() { return Editor() != nullptr; }

    // Each notification with the text the cell held when it arrived.
    struct Notificacion {
        int tecla;
        QString textoDeLaCelda;
    };
    void RegistrarNotificaciones() {
        QObject::connect(&rejilla, &RejillaTexto::TeclaPulsada, &rejilla, [this](int tecla) {
            notificaciones.push_back(
                {tecla, rejilla.Celda(celdaObservada.x(), celdaObservada.y())});
        });
    }

    RejillaTexto rejilla;
    std::vector<Notificacion> notificaciones;
    QPoint celdaObservada{1, 1};
};

TEST_F(EdicionRejilla, TeclearEmpiezaLaEdicionYSustituyeElTexto) {
    rejilla.PonerCelda(2, 3, "7");
    rejilla.PonerCeldaActual(2, 3);

    Teclear("12,5");
    ASSERT_TRUE(Editando());
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->text(), "12,5");
    EXPECT_EQ(rejilla.Celda(2, 3), "7") << "not stored before the edit ends";

    Pulsar(Qt::Key_Tab);
    EXPECT_EQ(rejilla.Celda(2, 3), "12,5");
}

TEST_F(EdicionRejilla, EnterConfirmaYLuegoAvisaUnaSolaVez) {
    celdaObservada = {3, 2};
    rejilla.PonerCeldaActual(3, 2);
    Teclear("40");
    notificaciones.clear();

    Pulsar(Qt::Key_Return);

    EXPECT_FALSE(Editando());
    EXPECT_EQ(rejilla.Celda(3, 2), "40");
    ASSERT_EQ(notificaciones.size(), 1u);
    EXPECT_EQ(notificaciones[0].tecla, Qt::Key_Return);
    EXPECT_EQ(notificaciones[0].textoDeLaCelda, "40") << "the edit is committed before the notice";
    EXPECT_TRUE(rejilla.hasFocus()) << "the next key goes to the grid again";
}

TEST_F(EdicionRejilla, EscapeDescartaLaEdicionSinAvisarDeEnter) {
    rejilla.PonerCelda(1, 1, "antes");
    Teclear("9");
    notificaciones.clear();

    Pulsar(Qt::Key_Escape);

    EXPECT_FALSE(Editando());
    EXPECT_EQ(rejilla.Celda(1, 1), "antes");
    EXPECT_TRUE(notificaciones.empty());
}

struct TeclaConFoco {
    const char* nombre;
    Qt::Key tecla;
    int avisada;
    int columnaDespues; // handled as usual afterwards: the notice does not consume the key
};
// ctest lists the cases by name.
void PrintTo(const TeclaConFoco& caso, std::ostream* salida) {
    *salida << caso.nombre;
}

class TeclasConElFocoEnLaRejilla : public EdicionRejilla,
                                   public testing::WithParamInterface<TeclaConFoco> {};

TEST_P(TeclasConElFocoEnLaRejilla, SeAvisanYLuegoSeTratanComoSiempre) {
    rejilla.PonerCeldaActual(2, 1);
    Pulsar(GetParam().tecla);

    ASSERT_EQ(notificaciones.size(), 1u);
    EXPECT_EQ(notificaciones[0].tecla, GetParam().avisada);
    EXPECT_EQ(rejilla.ColumnaActual(), GetParam().columnaDespues);
    EXPECT_FALSE(Editando());
}

INSTANTIATE_TEST_SUITE_P(
    Rejilla, TeclasConElFocoEnLaRejilla,
    testing::Values(TeclaConFoco{"FlechaDerecha", Qt::Key_Right, Qt::Key_Right, 3},
                    TeclaConFoco{"FlechaIzquierda", Qt::Key_Left, Qt::Key_Left, 1},
                    TeclaConFoco{"Enter", Qt::Key_Return, Qt::Key_Return, 2},
                    TeclaConFoco{"EnterDelTecladoNumerico", Qt::Key_Enter, Qt::Key_Return, 2}),
    [](const auto& instancia) { return std::string(instancia.param.nombre); });

TEST_F(EdicionRejilla, F2YDobleClicEditanElTextoExistente) {
    rejilla.PonerCelda(1, 2, "abc");
    rejilla.PonerCelda(4, 3, "xyz");

    rejilla.PonerCeldaActual(1, 2);
    Pulsar(Qt::Key_F2);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->text(), "abc");
    Pulsar(Qt::Key_Escape);

    const QPoint centro = rejilla.visualRect(rejilla.model()->index(2, 3)).center();
    // As the system delivers it: a click, then the second press as a double click.
    QTest::mouseClick(rejilla.viewport(), Qt::LeftButton, {}, centro);
    QTest::mouseDClick(rejilla.viewport(), Qt::LeftButton, {}, centro);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->text(), "xyz");
}

// The main window's use of the notice: Enter moves one column right, never past the last.
TEST_F(EdicionRejilla, EnterEncadenaEntradasDeIzquierdaADerecha) {
    QObject::connect(&rejilla, &RejillaTexto::TeclaPulsada, &rejilla, [this](int tecla) {
        if (tecla == Qt::Key_Return && rejilla.ColumnaActual() < rejilla.Columnas() - 1)
            rejilla.PonerCeldaActual(rejilla.ColumnaActual() + 1, rejilla.FilaActual());
    });
    rejilla.PonerCeldaActual(3, 2);

    for (const char* texto : {"1", "2", "3", "4"}) {
        Teclear(texto);
        Pulsar(Qt::Key_Return);
    }

    EXPECT_EQ(rejilla.Celda(3, 2), "1");
    EXPECT_EQ(rejilla.Celda(4, 2), "2");
    EXPECT_EQ(rejilla.Celda(5, 2), "4") << "the last column keeps the cell";
    EXPECT_EQ(rejilla.Celda(1, 3), "") << "never to another row";
    EXPECT_EQ(rejilla.ColumnaActual(), 5);
    EXPECT_EQ(rejilla.FilaActual(), 2);
}

} // namespace
