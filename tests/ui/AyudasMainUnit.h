// Driving the main window in tests: its widgets found by name, texts typed into fields and into
// the grid, commands triggered from the menu or the tool bar.
#pragma once

#include "MainUnit.h"
#include "PlataformaGuionada.h"
#include "RejillaTexto.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <array>
#include <ostream>

inline void PrintTo(const QString& texto, std::ostream* salida) {
    *salida << '"' << texto.toStdString() << '"';
}

inline void PrintTo(const QStringList& textos, std::ostream* salida) {
    *salida << '[' << textos.join(QStringLiteral("|")).toStdString() << ']';
}

// The radio buttons of the method group, by method code.
inline constexpr std::array<const char*, 7> RadiosMetodo = {
    "RadioLoteALote",           "RadioEOQ",        "RadioPOQ",  "RadioMinimoCosteTotal",
    "RadioMinimoCosteUnitario", "RadioSilverMeal", "RadioMejor"};

class PruebaMain : public testing::Test {
protected:
    PruebaMain() {
        ventana.show();
        ventana.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&ventana));
    }

    template <typename T> T* Hijo(const char* nombre) {
        T* hijo = ventana.findChild<T*>(QString::fromLatin1(nombre));
        if (!hijo) ADD_FAILURE() << "falta " << nombre;
        return hijo;
    }

    RejillaTexto& SG() { return *Hijo<RejillaTexto>("SG"); }
    QLineEdit* Campo(const char* nombre) { return Hijo<QLineEdit>(nombre); }
    QCheckBox* Casilla(const char* nombre) { return Hijo<QCheckBox>(nombre); }
    QAction* Accion(const char* nombre) { return Hijo<QAction>(nombre); }
    // What the status bar says the last command did.
    QString BarraEstado() { return Hijo<QLabel>("MensajeEstado")->text(); }

    // Empties the field as a user would and types the text.
    void Teclear(const char* campo, const QString& texto) {
        QLineEdit* edit = Campo(campo);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, texto);
    }

    void Menu(const char* nombre) { Accion(nombre)->trigger(); }
    void Boton(const char* nombre) { QTest::mouseClick(Hijo<QToolButton>(nombre), Qt::LeftButton); }
    // A tool button when there is one of that name, else a menu item.
    void Orden(const char* nombre) {
        if (ventana.findChild<QToolButton*>(QString::fromLatin1(nombre)))
            Boton(nombre);
        else
            Menu(nombre);
    }
    void ElegirMetodo(int codigo) {
        // On the round indicator: a short caption leaves the right of the button dead.
        QRadioButton* radio = Hijo<QRadioButton>(RadiosMetodo[std::size_t(codigo)]);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
    }
    int MetodoMarcado() {
        for (std::size_t codigo = 0; codigo < RadiosMetodo.size(); ++codigo)
            if (Hijo<QRadioButton>(RadiosMetodo[codigo])->isChecked()) return int(codigo);
        return -1;
    }

    // Keys go where the user's would: to the cell editor once typing has opened it.
    static QWidget* Destino(RejillaTexto& rejilla) {
        QWidget* foco = QApplication::focusWidget();
        return foco ? foco : &rejilla;
    }

    // Types the texts from the cell on, each followed by Enter, which moves one column right.
    void TeclearFila(int columna, int fila, const QStringList& textos) {
        TeclearEn(SG(), columna, fila, textos);
    }
    // The same in any grid of the program.
    static void TeclearEn(RejillaTexto& rejilla, int columna, int fila, const QStringList& textos) {
        rejilla.setFocus();
        rejilla.PonerCeldaActual(columna, fila);
        for (const QString& texto : textos) {
            for (const QChar caracter : texto)
                QTest::keyClicks(Destino(rejilla), QString(caracter));
            QTest::keyClick(Destino(rejilla), Qt::Key_Return);
        }
    }

    // The texts of grid row fila, columns 1 to ultimaColumna.
    QStringList Fila(int fila, int ultimaColumna) {
        QStringList textos;
        for (int columna = 1; columna <= ultimaColumna; ++columna)
            textos.append(SG().Celda(columna, fila));
        return textos;
    }

    // The example problem: eight periods, lead time 1, ordering cost 100, holding cost 1,
    // initial stock 60.
    void TeclearEjemplo() {
        Teclear("EditCE", "100");
        Teclear("EditCP", "1");
        TeclearFila(1, FilaNB, {"50", "60", "70", "60", "95", "75", "60", "55"});
        TeclearFila(1, FilaD, {"60"});
    }

    PlataformaGuionada plataforma;
    TFormMain ventana{plataforma};
};
