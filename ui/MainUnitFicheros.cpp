// The main window's file and print commands: the .lot problem, the .sol solution and the grid on
// the printer. A save never leaves a half-written file and an open changes the window only once
// the whole file has been read.
#include "MainUnit.h"

#include "FicheroProblema.h"
#include "FicheroSolucion.h"
#include "Ficheros.h"
#include "ImpresionRejilla.h"
#include "MensajesEstado.h"
#include "Numeros.h"
#include "RejillaTexto.h"
#include "ui_MainUnit.h"

namespace {

QString TituloConProblema(const QString& fichero) {
    return QStringLiteral("Zirurozedara VOV ") + fichero;
}

} // namespace

void TFormMain::GuardarProblemaClick() {
    if (FicheroProblema_.isEmpty())
        GuardarProblemaComoClick();
    else
        EscribirProblema();
}

void TFormMain::GuardarProblemaComoClick() {
    const std::optional<QString> ruta = plataforma_.ElegirFichero(this, SaveDialogProb_);
    if (!ruta) return;
    FicheroProblema_ = *ruta;
    if (EscribirProblema()) setWindowTitle(TituloConProblema(FicheroProblema_));
}

void TFormMain::Abrir1Click() {
    const std::optional<QString> ruta = plataforma_.ElegirFichero(this, OpenDialogProb_);
    if (!ruta || !LeerProblema(*ruta)) return;
    QuitarComprobacion(); // it judged the record of another problem
    FicheroProblema_ = *ruta;
    setWindowTitle(TituloConProblema(FicheroProblema_));
    Informar(MensajeProblemaAbierto(FicheroProblema_));
}

// A horizon that Abrir would refuse is never written either: besides, an absurd N would make
// the file grow without bound.
bool TFormMain::HorizonteAdmitido() {
    return AdmitirPeriodosDeRejilla(StrToInt(ui_->EditNPeriodos->text()), Avisador());
}

bool TFormMain::EscribirProblema() {
    if (!HorizonteAdmitido()) return false;
    EscribirFicheroSeguro(FicheroProblema_, TextoProblema(Problema(), ui_->SG->Textos()));
    Informar(MensajeProblemaGuardado(FicheroProblema_));
    return true;
}

bool TFormMain::LeerProblema(const QString& ruta) {
    TextosProblema problema = Problema();
    TextosCelda celdas = ui_->SG->Textos();
    if (!AbrirProblema(ruta, problema, celdas, Avisador())) return false;
    // The cells first: the new N then only reshapes the grid and numbers its header.
    ui_->SG->PonerTextos(celdas);
    PonerCampos(problema);
    AjustarRejilla();
    return true;
}

void TFormMain::GuardarSolucionClick() {
    if (FicheroProblema_.isEmpty()) {
        GuardarSolucionComoClick();
        return;
    }
    FicheroSolucion_ = NombreSolucion(FicheroProblema_);
    EscribirSolucion();
}

void TFormMain::GuardarSolucionComoClick() {
    if (!FicheroProblema_.isEmpty()) SaveDialogSol_.nombre = NombreSolucion(FicheroProblema_);
    const std::optional<QString> ruta = plataforma_.ElegirFichero(this, SaveDialogSol_);
    if (!ruta) return;
    FicheroSolucion_ = *ruta;
    EscribirSolucion();
}

void TFormMain::EscribirSolucion() {
    if (!HorizonteAdmitido()) return;
    EscribirFicheroSeguro(FicheroSolucion_,
                          TextoSolucion(ui_->EditNPeriodos->text(),
                                        ui_->CheckBoxCostes->isChecked(), ui_->SG->Textos()));
    Informar(MensajeSolucionGuardada(FicheroSolucion_));
}

void TFormMain::Configurarimpresora1Click() {
    plataforma_.ConfigurarImpresora(this, Printer_);
}

void TFormMain::Imprimir1Click() {
    if (!plataforma_.DialogoImprimir(this, Printer_)) return;
    ImprimirRejilla(*ui_->SG, Printer_);
    Informar(MensajeImpreso());
}
