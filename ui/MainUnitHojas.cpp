// The main window's spreadsheet commands: the problem and its last calculation exported as a
// workbook or CSV, and gross requirements imported from one as if typed.
#include "MainUnit.h"

#include "GuardarLibro.h"
#include "LibroCalculo.h"
#include "MensajesEstado.h"
#include "NecesidadesDeHoja.h"
#include "RejillaTexto.h"
#include "ui_MainUnit.h"

#include <QDir>
#include <QFileInfo>

// Named after the problem's file when it has one, as the report is.
void TFormMain::ExportarHoja1Click() {
    if (!FicheroProblema_.isEmpty()) {
        const QFileInfo problema(FicheroProblema_);
        SaveDialogHoja_.nombre =
            problema.dir().filePath(problema.completeBaseName() + QStringLiteral(".xlsx"));
    }
    const std::optional<QString> ruta = plataforma_.ElegirFichero(this, SaveDialogHoja_);
    if (!ruta) return;
    GuardarLibro(*ruta, LibroVentana(Problema(), ui_->SG->Textos(), UltimoCalculo_),
                 FormatoDeRuta(*ruta));
    Informar(MensajeHojaGuardada(*ruta));
}

// The whole file is read and checked before anything changes; then N and the cells go in as the
// problem file's do.
void TFormMain::ImportarNecesidades1Click() {
    const std::optional<QString> ruta = plataforma_.ElegirFichero(this, OpenDialogHoja_);
    if (!ruta) return;
    const std::optional<NecesidadesImportadas> necesidades = LeerNecesidades(*ruta, Avisador());
    if (!necesidades) return;
    TextosProblema problema = Problema();
    TextosCelda celdas = ui_->SG->Textos();
    PonerNecesidades(*necesidades, problema, celdas);
    ui_->SG->PonerTextos(celdas);
    PonerCampos(problema);
    AjustarRejilla();
    Informar(MensajeNecesidadesImportadas(*ruta, necesidades->N));
}
