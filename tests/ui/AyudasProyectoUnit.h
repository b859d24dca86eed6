// Driving the project window in tests: opened from the main window's menu, its widgets found by
// name, texts typed into its fields and its grid, items picked in its tree, dialogs answered.
#pragma once

#include "AyudasMainUnit.h"
#include "FicheroProyecto.h"
#include "ModeloEstructura.h"
#include "ProyectoUnit.h"
#include "RejillaArticulo.h"
#include "RejillaProyecto.h"

#include <QComboBox>
#include <QDialog>
#include <QMessageBox>
#include <QTreeView>

class PruebaProyecto : public PruebaMain {
protected:
    // The project window, opened by an item of the main window's "Proyecto" menu.
    TFormProyecto& AbrirVentana(const char* orden = "NuevoProyecto1") {
        Menu(orden);
        auto* proyecto = ventana.findChild<TFormProyecto*>();
        EXPECT_NE(proyecto, nullptr);
        // Keys go to the active window, as the user's do; the offscreen platform leaves the
        // main window's widgets active when an owned window opens.
        EXPECT_TRUE(QTest::qWaitForWindowActive(proyecto));
        QApplication::setActiveWindow(proyecto);
        return *proyecto;
    }
    TFormProyecto& FormProyecto() { return *ventana.findChild<TFormProyecto*>(); }

    template <typename T> T* HijoProyecto(const char* nombre) {
        T* hijo = FormProyecto().findChild<T*>(QString::fromLatin1(nombre));
        if (!hijo) ADD_FAILURE() << "falta " << nombre;
        return hijo;
    }
    // A menu item of the project window, as the user picks it.
    void OrdenProyecto(const char* nombre) { HijoProyecto<QAction>(nombre)->trigger(); }
    QString BarraEstadoProyecto() { return HijoProyecto<QLabel>("MensajeEstadoProyecto")->text(); }
    RejillaProyecto& SGProyecto() { return *HijoProyecto<RejillaProyecto>("SGProyecto"); }
    QTreeView& Arbol() { return *HijoProyecto<QTreeView>("ArbolEstructura"); }
    ModeloEstructura& Modelo() { return *static_cast<ModeloEstructura*>(Arbol().model()); }

    // Types into a field of the project window and presses Enter, as a user ends a field.
    void TeclearCampo(const char* campo, const QString& texto) {
        QLineEdit* edit = HijoProyecto<QLineEdit>(campo);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, texto);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void ElegirLotificacion(TipoLotificacion metodo) {
        QComboBox* combo = HijoProyecto<QComboBox>("ComboLotificacion");
        combo->setCurrentIndex(combo->findData(metodo));
        emit combo->activated(combo->currentIndex());
    }

    // Clicks the first node of the item in the tree (under that parent when one is given).
    void Elegir(const QString& codigo, const QString& padre = {}) {
        const Proyecto& proyecto = FormProyecto().ProyectoActual();
        const QModelIndex indice =
            Modelo().IndiceDe(IndiceArticulo(proyecto, codigo),
                              padre.isEmpty() ? -1 : IndiceArticulo(proyecto, padre));
        ASSERT_TRUE(indice.isValid()) << codigo.toStdString();
        Arbol().scrollTo(indice);
        QTest::mouseClick(Arbol().viewport(), Qt::LeftButton, {},
                          Arbol().visualRect(indice).center());
        ASSERT_EQ(FormProyecto().ArticuloSeleccionado(), IndiceArticulo(proyecto, codigo));
    }

    // Types the texts into the grid from the cell on, each followed by Enter; what the grid took
    // reaches the project once the event loop turns.
    void TeclearFilaProyecto(int columna, int fila, const QStringList& textos) {
        TeclearEn(SGProyecto(), columna, fila, textos);
        QCoreApplication::processEvents();
    }
    QStringList FilaProyecto(int fila, int ultimaColumna) {
        QStringList textos;
        for (int columna = 1; columna <= ultimaColumna; ++columna)
            textos.append(SGProyecto().Celda(columna, fila));
        return textos;
    }
    QString NotaProyecto(int columna, int fila) {
        return SGProyecto().model()->index(fila - 1, columna - 1).data(Qt::ToolTipRole).toString();
    }

    // "Añadir componente...", answered with the code and the quantity.
    void AnadirComponente(const QString& codigo, const QString& cantidad) {
        plataforma.guionModal = [=](QDialog& dialogo) {
            dialogo.findChild<QComboBox*>("ComboComponente")->setEditText(codigo);
            dialogo.findChild<QLineEdit*>("EditCantidadComponente")->setText(cantidad);
            return int(QDialog::Accepted);
        };
        OrdenProyecto("AnadirComponente");
        plataforma.guionModal = nullptr;
    }
    // The answer to "¿Guardar los cambios del proyecto?" when it is asked.
    void Responder(QMessageBox::StandardButton boton) {
        plataforma.guionModal = [boton](QDialog&) { return int(boton); };
    }
};

inline void PrintTo(const Proyecto& proyecto, std::ostream* salida) {
    *salida << TextoProyecto(proyecto).toStdString();
}
