// The main window's "&Proyecto" menu: each item opens the project window and does its command
// there; the problem of this window can become a project of one item.
#include "MainUnit.h"

#include "ArticuloDeTextos.h"
#include "MensajesProyecto.h"
#include "ProyectoUnit.h"
#include "ProyectoYProblema.h"
#include "RejillaTexto.h"
#include "ui_MainUnit.h"

#include <QFileInfo>

TFormProyecto& TFormMain::FormProyecto() {
    auto* ventana = findChild<TFormProyecto*>(QString(), Qt::FindDirectChildrenOnly);
    if (!ventana) ventana = new TFormProyecto(plataforma_, this);
    ventana->Mostrar();
    return *ventana;
}

void TFormMain::NuevoProyecto1Click() {
    FormProyecto().NuevoProyecto1Click();
}

void TFormMain::AbrirProyecto1Click() {
    FormProyecto().AbrirProyecto1Click();
}

void TFormMain::AbrirEjemplo1Click() {
    FormProyecto().AbrirEjemplo1Click();
}

void TFormMain::GuardarProyecto1Click() {
    FormProyecto().GuardarProyecto1Click();
}

void TFormMain::GuardarProyectoComo1Click() {
    FormProyecto().GuardarProyectoComo1Click();
}

// The problem is checked as "Calcular" checks it, with its warnings, before the project window
// asks about its own changes; the item is named after the problem's file.
void TFormMain::ProyectoDesdeProblema1Click() {
    const std::optional<Articulo> articulo =
        ArticuloDeTextos(TipoCalculo::Seleccionado, Problema(), ui_->SG->Textos(), Avisador());
    if (!articulo) return;
    const QString codigo = CodigoDeNombre(FicheroProblema_);
    FormProyecto().PonerProyecto(ProyectoDeArticulo(*articulo, codigo,
                                                    FicheroProblema_.isEmpty()
                                                        ? QString()
                                                        : QFileInfo(FicheroProblema_).fileName()),
                                 QString(), false, MensajeProyectoDeProblema(codigo));
}
