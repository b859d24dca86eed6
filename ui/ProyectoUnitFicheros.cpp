// The project window's files and outputs: new, open, the example, save, the question over unsaved
// changes, the explosion, and the report, the workbook and an item's problem file written from it.
#include "ProyectoUnit.h"

#include "CajaMensaje.h"
#include "ErroresProyecto.h"
#include "FicheroProyecto.h"
#include "Ficheros.h"
#include "GuardarLibro.h"
#include "InformeErrores.h"
#include "InformeProyecto.h"
#include "LibroProyecto.h"
#include "MensajesEstado.h"
#include "ModeloEstructura.h"
#include "PinturaInforme.h"
#include "ProyectoYProblema.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QTreeView>
#include <QUndoStack>

namespace {

// A structure of up to this many items opens with every branch unfolded.
constexpr std::size_t ArticulosDesplegados = 60;

// The name of an output beside the project's file, when it has one.
void NombrarComoProyecto(DialogoFichero& dialogo, const QString& fichero, const QString& nombre) {
    if (fichero.isEmpty()) {
        if (!nombre.isEmpty()) dialogo.nombre = nombre;
        return;
    }
    const QFileInfo proyecto(fichero);
    dialogo.nombre = proyecto.dir().filePath(
        (nombre.isEmpty() ? proyecto.completeBaseName() + '.' + dialogo.extensionDefecto : nombre));
}

} // namespace

bool TFormProyecto::Modificado() const {
    return sinGuardar_ || !pila_->isClean();
}

bool TFormProyecto::PuedeDescartar() {
    if (!Modificado()) return true;
    const std::unique_ptr<QMessageBox> pregunta = CajaMensaje(
        this, QMessageBox::Question, QStringLiteral("¿Guardar los cambios del proyecto?"));
    pregunta->setObjectName(QStringLiteral("PreguntaGuardarProyecto"));
    pregunta->setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    pregunta->setDefaultButton(QMessageBox::Save);
    switch (plataforma_.EjecutarModal(*pregunta)) {
    case QMessageBox::Save:
        GuardarProyecto1Click();
        return !Modificado();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool TFormProyecto::PonerProyecto(Proyecto proyecto, const QString& fichero, bool guardado,
                                  const QString& mensaje) {
    if (!PuedeDescartar()) return false;
    Reemplazar(std::move(proyecto), fichero, guardado, mensaje);
    return true;
}

void TFormProyecto::Reemplazar(Proyecto proyecto, const QString& fichero, bool guardado,
                               const QString& mensaje) {
    proyecto_ = std::move(proyecto);
    fichero_ = fichero;
    sinGuardar_ = !guardado;
    pila_->clear();
    calculado_.reset();
    resultado_.reset();
    politicas_.reset();
    modelo_->PonerRechazos({});
    articulo_ = proyecto_.Articulos.empty() ? -1 : 0;
    Refrescar();
    if (proyecto_.Articulos.size() <= ArticulosDesplegados) arbol_->expandAll();
    Informar(mensaje);
}

void TFormProyecto::closeEvent(QCloseEvent* evento) {
    bool puede = false;
    const bool hecho = Protegido(plataforma_, this, [&] { puede = PuedeDescartar(); });
    if (!hecho || !puede) {
        evento->ignore();
        return;
    }
    // Changes the user let go are gone: the window opens again on a new project.
    if (Modificado()) Reemplazar(Proyecto{}, QString(), true, MensajeProyectoNuevo());
    QMainWindow::closeEvent(evento);
}

bool TFormProyecto::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == parentWidget() && evento->type() == QEvent::Close) {
        bool puede = false;
        const bool hecho = Protegido(plataforma_, this, [&] { puede = PuedeDescartar(); });
        if (!hecho || !puede) {
            evento->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(objeto, evento);
}

void TFormProyecto::NuevoProyecto1Click() {
    PonerProyecto(Proyecto{}, QString(), true, MensajeProyectoNuevo());
}

// A .lot opens as a project of one item, with no file of its own until it is saved.
void TFormProyecto::AbrirProyecto1Click() {
    if (!PuedeDescartar()) return;
    const std::optional<QString> ruta = plataforma_.ElegirFichero(this, OpenDialogProyecto_);
    if (!ruta) return;
    const std::optional<Proyecto> proyecto = AbrirComoProyecto(
        *ruta, OpcionesFichero{}, [this](const QString& aviso) { Avisar(aviso); });
    if (!proyecto) return;
    const bool esProyecto = EsFicheroProyecto(*ruta);
    Reemplazar(*proyecto, esProyecto ? *ruta : QString(), esProyecto,
               MensajeProyectoAbierto(*ruta));
}

void TFormProyecto::AbrirEjemplo1Click() {
    if (!PuedeDescartar()) return;
    Reemplazar(ProyectoEjemplo(), QString(), true, MensajeEjemploAbierto());
}

void TFormProyecto::GuardarProyecto1Click() {
    if (fichero_.isEmpty())
        GuardarProyectoComo1Click();
    else
        GuardarEn(fichero_);
}

void TFormProyecto::GuardarProyectoComo1Click() {
    if (!fichero_.isEmpty()) SaveDialogProyecto_.nombre = fichero_;
    if (const std::optional<QString> ruta = plataforma_.ElegirFichero(this, SaveDialogProyecto_))
        GuardarEn(*ruta);
}

bool TFormProyecto::GuardarEn(const QString& ruta) {
    GuardarProyecto(ruta, proyecto_);
    fichero_ = ruta;
    sinGuardar_ = false;
    pila_->setClean();
    MostrarTitulo();
    Informar(MensajeProyectoGuardado(ruta));
    return true;
}

void TFormProyecto::Cerrar1Click() {
    close();
}

// Every refusal is shown, each item marked in the tree, and the first one selected; an arithmetic
// failure selects the item it happened in.
bool TFormProyecto::Calcular() {
    const std::vector<RechazoProyecto> rechazos = RechazosPorArticulo(proyecto_);
    QHash<int, QStringList> marcados;
    for (const RechazoProyecto& rechazo : rechazos)
        if (rechazo.Articulo >= 0) marcados[rechazo.Articulo] << rechazo.Texto;
    modelo_->PonerRechazos(marcados);
    if (!rechazos.empty()) {
        int primero = -1;
        for (const RechazoProyecto& rechazo : rechazos)
            if (rechazo.Articulo >= 0) {
                primero = rechazo.Articulo;
                break;
            }
        Avisar(TextoRechazosProyecto(rechazos), primero);
        return false;
    }
    try {
        resultado_ = Explotar(proyecto_);
    } catch (const ECalculoArticulo& fallo) {
        SeleccionarArticulo(IndiceArticulo(proyecto_, fallo.Codigo));
        throw;
    }
    calculado_ = proyecto_;
    politicas_.reset();
    Refrescar();
    Informar(MensajeProyectoCalculado(*resultado_));
    return true;
}

void TFormProyecto::Calcular1Click() {
    Calcular();
}

// What goes out is always the project as it stands: calculated again when it has changed.
void TFormProyecto::ExportarInformePdf1Click() {
    if ((!resultado_ || Desactualizado()) && !Calcular()) return;
    NombrarComoProyecto(SaveDialogInforme_, fichero_, QString());
    const std::optional<QString> ruta = plataforma_.ElegirFichero(this, SaveDialogInforme_);
    if (!ruta) return;
    if (!politicas_) politicas_ = CompararPoliticas(*calculado_);
    EscribirFicheroSeguro(*ruta, InformePdf(ConstruirInformeProyecto(
                                     *calculado_, *resultado_, *politicas_, {fichero_, true})));
    Informar(MensajeInformeGuardado(*ruta));
}

void TFormProyecto::ExportarHoja1Click() {
    if ((!resultado_ || Desactualizado()) && !Calcular()) return;
    NombrarComoProyecto(SaveDialogHoja_, fichero_, QString());
    const std::optional<QString> ruta = plataforma_.ElegirFichero(this, SaveDialogHoja_);
    if (!ruta) return;
    GuardarLibro(*ruta, LibroProyecto(*calculado_, *resultado_), FormatoDeRuta(*ruta));
    Informar(MensajeHojaGuardada(*ruta));
}

// The selected item as a one-item problem, its gross requirements as worked out.
void TFormProyecto::GuardarArticulo1Click() {
    if (articulo_ < 0) {
        Avisar(QStringLiteral("Seleccione el artículo que guardar como problema."));
        return;
    }
    if ((!resultado_ || Desactualizado()) && !Calcular()) return;
    const int indice = *ArticuloCalculado();
    NombrarComoProyecto(SaveDialogArticulo_, fichero_,
                        calculado_->Articulos[std::size_t(indice)].Codigo + QStringLiteral(".lot"));
    const std::optional<QString> ruta = plataforma_.ElegirFichero(this, SaveDialogArticulo_);
    if (!ruta) return;
    EscribirFicheroSeguro(*ruta, ProblemaDelArticulo(*calculado_, *resultado_, indice));
    Informar(MensajeProblemaGuardado(*ruta));
}
