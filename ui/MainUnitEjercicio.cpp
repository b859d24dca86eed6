// The main window's "E&jercicio" commands: the student's record checked cell by cell and marked on
// the grid, the tolerance of the check, and a sheet of exercises written into a folder. The grid's
// texts, the problem and the calculation the window keeps are never touched by a check.
#include "MainUnit.h"

#include "CajaMensaje.h"
#include "CapasMarcas.h"
#include "DialogoHojaEjercicios.h"
#include "DialogoTolerancia.h"
#include "HojaEjercicios.h"
#include "Numeros.h"
#include "PanelExplicacion.h"
#include "PasoCelda.h"
#include "RejillaTexto.h"
#include "ui_MainUnit.h"

#include <QAction>
#include <QApplication>
#include <QDir>

namespace {

QColor Color(EstadoCelda estado) {
    switch (estado) {
    case EstadoCelda::Correcta:
        return QColor(0xc8, 0xe6, 0xc9); // green
    case EstadoCelda::Erronea:
        return QColor(0xff, 0xcd, 0xd2); // red
    case EstadoCelda::Falta:
        return QColor(0xff, 0xe0, 0x82); // amber
    }
    return {};
}

// The wait cursor while a long command runs, whichever way it ends.
struct CursorEspera {
    CursorEspera() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorEspera() { QApplication::restoreOverrideCursor(); }
    CursorEspera(const CursorEspera&) = delete;
    CursorEspera& operator=(const CursorEspera&) = delete;
};

} // namespace

// A calculation rewrites the record the marks judged; "Nuevo" empties it.
void TFormMain::CrearEjercicio() {
    connect(this, &TFormMain::CalculoCambiado, this, [this] { QuitarComprobacion(); });
}

void TFormMain::ComprobarSolucion1Click() {
    std::optional<ComprobacionProblema> comprobacion =
        ComprobarProblema(Problema(), ui_->SG->Textos(), Tolerancia_, Avisador());
    if (!comprobacion) return;
    UltimaComprobacion_ = std::move(comprobacion);
    MarcarComprobacion();
    Informar(MensajeComprobacion(UltimaComprobacion_->Celdas));
}

void TFormMain::MostrarSolucion1Click() {
    if (UltimaComprobacion_) MarcarComprobacion();
}

// A cell typed into since the check keeps no mark: what it says now was never judged.
void TFormMain::MarcarComprobacion() {
    const bool conSolucion = findChild<QAction*>(QStringLiteral("MostrarSolucion1"))->isChecked();
    MarcasCeldas marcas;
    for (const CeldaComprobada& celda : UltimaComprobacion_->Celdas.Celdas)
        if (ui_->SG->Celda(celda.Columna, celda.Fila) == celda.Tecleado)
            marcas.insert(QPoint(celda.Columna, celda.Fila),
                          MarcaCelda{{}, Color(celda.Estado), NotaCelda(celda, conSolucion)});
    ui_->SG->PonerMarcas(CapaEjercicio, marcas, DuracionMarcas::HastaCambiarElTexto);
    PanelExplicacion_->MostrarPaso(conSolucion ? PasoPrimeraDiferencia(UltimaComprobacion_->Exacto,
                                                                       UltimaComprobacion_->Celdas)
                                               : QString());
}

void TFormMain::QuitarComprobacion() {
    UltimaComprobacion_.reset();
    ui_->SG->PonerMarcas(CapaEjercicio, {});
    PanelExplicacion_->MostrarPaso({});
}

// Shown again with what was typed until it holds a tolerance or is cancelled.
void TFormMain::Tolerancia1Click() {
    DialogoTolerancia dialogo(this);
    QString texto = FloatToStr(Tolerancia_);
    for (;;) {
        dialogo.PonerTexto(texto);
        if (plataforma_.EjecutarModal(dialogo) != QDialog::Accepted) return;
        texto = dialogo.Texto();
        if (const std::optional<double> tolerancia = LeerTolerancia(texto)) {
            Tolerancia_ = *tolerancia;
            Informar(QStringLiteral("Tolerancia de la comprobación: ") + FloatToStr(Tolerancia_));
            return;
        }
        plataforma_.Aviso(this, AvisoTolerancia);
    }
}

// The dialog comes back with the texts as the user left them until they are right or it is
// cancelled; files of an earlier sheet are replaced only when the user says so.
void TFormMain::GenerarHojaEjercicios1Click() {
    DialogoHojaEjercicios dialogo(plataforma_, this);
    std::optional<OpcionesEjercicios> opciones;
    while (!opciones) {
        dialogo.Poner(TextosHoja_, CarpetaHoja_);
        if (plataforma_.EjecutarModal(dialogo) != QDialog::Accepted) return;
        TextosHoja_ = dialogo.Textos();
        CarpetaHoja_ = dialogo.Carpeta().trimmed();
        opciones = LeerOpcionesEjercicios(TextosHoja_, Avisador());
        if (opciones && CarpetaHoja_.isEmpty()) {
            plataforma_.Aviso(this, AvisoCarpetaHoja);
            opciones.reset();
        }
    }
    // Said whole, whatever folder the program was started in.
    const QString carpeta = QDir(CarpetaHoja_).absolutePath();
    const QStringList existentes = FicherosQueReemplaza(*opciones, carpeta);
    if (!existentes.isEmpty()) {
        const auto pregunta =
            CajaMensaje(this, QMessageBox::Question, PreguntaReemplazarHoja(carpeta, existentes));
        pregunta->setObjectName(QStringLiteral("PreguntaReemplazarHoja"));
        pregunta->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        pregunta->setDefaultButton(QMessageBox::No);
        if (plataforma_.EjecutarModal(*pregunta) != QMessageBox::Yes) return;
    }
    const CursorEspera espera;
    const HojaEscrita hoja = EscribirHoja(*opciones, carpeta);
    Informar(MensajeHojaEscrita(hoja, carpeta));
}
