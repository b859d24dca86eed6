// The main window's "E&ditar" commands and the grid's context menu: copy, paste and delete on
// the grid's selection, the same the grid's keys do, with what they did in the status bar.
#include "MainUnit.h"

#include "MensajesEstado.h"
#include "RejillaTexto.h"
#include "ui_MainUnit.h"

#include <QMenu>

void TFormMain::CrearEdicion() {
    RejillaTexto* SG = ui_->SG;
    SG->addActions(findChild<QMenu*>(QStringLiteral("Editar1"))->actions());
    SG->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(SG, &RejillaTexto::Copiadas, this,
            [this](int celdas) { Informar(MensajeCopiado(celdas)); });
    connect(SG, &RejillaTexto::Pegadas, this, [this](const ResultadoPegado& pegado) {
        AjustarRejilla();
        Informar(MensajePegado(pegado));
    });
    connect(SG, &RejillaTexto::Borradas, this,
            [this](int celdas) { Informar(MensajeBorrado(celdas)); });
}

void TFormMain::Copiar1Click() {
    ui_->SG->Copiar();
}

void TFormMain::Pegar1Click() {
    ui_->SG->Pegar();
}

void TFormMain::Borrar1Click() {
    ui_->SG->BorrarSeleccion();
}
