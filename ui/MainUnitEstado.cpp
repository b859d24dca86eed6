// The main window's status bar: one line that says what the last command did. A label rather
// than the bar's own message, which every menu item the mouse passes over would wipe out.
#include "MainUnit.h"

#include "MensajesEstado.h"

#include <QLabel>
#include <QStatusBar>

void TFormMain::CrearBarraEstado() {
    QStatusBar* barra = statusBar();
    barra->setObjectName(QStringLiteral("StatusBar1"));
    MensajeEstado_ = new QLabel(barra);
    MensajeEstado_->setObjectName(QStringLiteral("MensajeEstado"));
    barra->addWidget(MensajeEstado_, 1);
    // The calculation the window keeps, never the grid's texts, which the user may have typed over.
    connect(this, &TFormMain::CalculoCambiado, this,
            [this] { Informar(MensajeCalculo(UltimoCalculo_)); });
}

void TFormMain::Informar(const QString& mensaje) {
    MensajeEstado_->setText(mensaje);
}
