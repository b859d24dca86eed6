// The main window's report commands: the report of the problem as the window holds it, on the
// platform's print preview or saved as a PDF file.
#include "MainUnit.h"

#include "ArticuloDeTextos.h"
#include "ContenidoInforme.h"
#include "DialogoInforme.h"
#include "Ficheros.h"
#include "InformeErrores.h"
#include "MensajesEstado.h"
#include "PanelComparacion.h"
#include "PanelExplicacion.h"
#include "PinturaInforme.h"
#include "RejillaTexto.h"
#include "ui_MainUnit.h"

#include <QDir>
#include <QFileInfo>

ContenidoInforme TFormMain::Informe() const {
    EntradaInforme entrada;
    entrada.Problema = Problema();
    entrada.Celdas = ui_->SG->Textos();
    entrada.FicheroProblema = FicheroProblema_;
    entrada.Calculo = UltimoCalculo_;
    if (entrada.Calculo)
        entrada.DatosCambiados =
            ProblemaCambiado(entrada.Problema, entrada.Celdas, *entrada.Calculo);
    static_cast<EleccionInforme&>(entrada) = EleccionInforme_;
    return ConstruirInforme(entrada);
}

// The dialog proposes the reader's last choice, and the comparison and the explanation as their
// panels stand: what is on the screen is what a report is most often asked for.
bool TFormMain::ElegirInforme() {
    if (!DialogoInforme_) DialogoInforme_ = new DialogoInforme(this);
    EleccionInforme propuesta = EleccionInforme_;
    propuesta.ConComparacion = !PanelComparacion_->isHidden();
    propuesta.ConExplicacion = !PanelExplicacion_->isHidden();
    DialogoInforme_->Poner(propuesta);
    if (plataforma_.EjecutarModal(*DialogoInforme_) != QDialog::Accepted) return false;
    EleccionInforme_ = DialogoInforme_->Eleccion();
    return true;
}

void TFormMain::VistaPreviaInforme1Click() {
    if (!ElegirInforme()) return;
    const ContenidoInforme informe = Informe();
    plataforma_.VistaPrevia(this, ImpresoraInforme_, [this, &informe](QPrinter& impresora) {
        // The preview asks for its pages from its own event handling: a failure is reported here
        // and leaves the preview without pages.
        Protegido(plataforma_, this, [&] { ImprimirInforme(informe, impresora); });
    });
}

// Named after the problem's file when it has one, as the solution is.
void TFormMain::ExportarInformePdf1Click() {
    if (!ElegirInforme()) return;
    if (!FicheroProblema_.isEmpty()) {
        const QFileInfo problema(FicheroProblema_);
        SaveDialogInforme_.nombre =
            problema.dir().filePath(problema.completeBaseName() + QStringLiteral(".pdf"));
    }
    const std::optional<QString> ruta = plataforma_.ElegirFichero(this, SaveDialogInforme_);
    if (!ruta) return;
    EscribirFicheroSeguro(*ruta, InformePdf(Informe()));
    Informar(MensajeInformeGuardado(*ruta));
}
