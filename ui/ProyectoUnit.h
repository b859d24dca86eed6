// The project window: a multi-level project's structure as a tree, the selected item's parameters
// and record, the explosion of the whole project, the structure diagram, the policies and the
// item's chart in panels, and every edit on an undo stack. Owned by the main window, like the
// experiments window. It holds no rules: handlers gather what the widgets hold, call proyecto/ and
// write the result back.
#pragma once

#include "AccionesProyecto.h"
#include "EdicionesProyecto.h"
#include "ExplosionProyecto.h"
#include "MensajesProyecto.h"
#include "Plataforma.h"
#include "PoliticasProyecto.h"
#include "ResultadoCalculo.h"

#include <QMainWindow>
#include <QPrinter>

#include <functional>
#include <optional>
#include <vector>

class ModeloEstructura;
class PanelDiagrama;
class PanelPoliticas;
class QCheckBox;
class QComboBox;
class QDockWidget;
class QLabel;
class QLineEdit;
class QTreeView;
class QUndoStack;
class RejillaProyecto;
class VistaGrafico;

class TFormProyecto : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormProyecto(Plataforma& plataforma, QWidget* padre = nullptr);
    ~TFormProyecto() override;

    // Shown, raised and active.
    void Mostrar();
    // The project replaces the window's, with its file (empty for none): after the question over
    // unsaved changes, which may keep the window's. False when it was kept.
    bool PonerProyecto(Proyecto proyecto, const QString& fichero, bool guardado,
                       const QString& mensaje);
    // The question over unsaved changes; true when the project may go, saved or not.
    bool PuedeDescartar();

    const Proyecto& ProyectoActual() const { return proyecto_; }
    const QString& Fichero() const { return fichero_; }
    // The last explosion and the project it was made of; nothing before the first.
    const std::optional<ResultadoProyecto>& Resultado() const { return resultado_; }
    // The project differs from the one last calculated.
    bool Desactualizado() const;
    bool Modificado() const;
    // The item whose form and record show; -1 for none.
    int ArticuloSeleccionado() const { return articulo_; }
    void SeleccionarArticulo(int articulo, int padre = -1);

    // The commands. They may throw: the window runs every one of them through Protegido.
    void NuevoProyecto1Click();
    void AbrirProyecto1Click();
    void AbrirEjemplo1Click();
    void GuardarProyecto1Click();
    void GuardarProyectoComo1Click();
    void ExportarInformePdf1Click();
    void ExportarHoja1Click();
    void GuardarArticulo1Click();
    void Cerrar1Click();
    void Deshacer1Click();
    void Rehacer1Click();
    void Copiar1Click();
    void Pegar1Click();
    void Borrar1Click();
    void AnadirArticulo1Click();
    void AnadirComponente1Click();
    void QuitarArticulo1Click();
    void QuitarComponente1Click();
    void Subir1Click();
    void Bajar1Click();
    void Calcular1Click();

protected:
    // Closing asks over unsaved changes, then only hides the window.
    void closeEvent(QCloseEvent* evento) override;
    // The program ends with the main window: the project's changes are asked about first.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CrearOrdenes();
    void CrearFormulario();
    void CrearPaneles();
    void Ejecutar(ManejadorProyecto orden);
    void Ejecutar(const std::function<void()>& orden);
    void Informar(const QString& mensaje);
    void Avisar(const QString& aviso, int articulo = -1);

    // Edits: every change of the project goes through the stack.
    void Editar(EdicionProyecto edicion);
    void Editar(EdicionORechazo edicion);
    void Aplicar(const EdicionProyecto& edicion, Sentido sentido);
    // What the fields and the grid hold, made edits of the selected item; a text that is no
    // number is refused and the field shows the item again.
    void ConfirmarCampos();
    void ConfirmarCampo(QLineEdit* campo);
    void ConfirmarRejilla();
    void CambiarCantidad(int padre, int posicion, const QString& texto);
    void AplicarMetodoATodos(TipoLotificacion metodo);

    // The views after a change of the project, the result or the selection.
    void Refrescar();
    void MostrarArticulo();
    void MostrarRejilla();
    void MostrarPaneles();
    void MostrarTitulo();
    // The result of the selected item in the last explosion; nothing when it has none.
    std::optional<ResultadoCalculo> CalculoDelArticulo() const;
    std::optional<int> ArticuloCalculado() const;

    // Explodes the project as it is; false when refused or it failed, with the item selected.
    bool Calcular();
    bool GuardarEn(const QString& ruta);
    // The project replaces the window's without a question, the stack emptied.
    void Reemplazar(Proyecto proyecto, const QString& fichero, bool guardado,
                    const QString& mensaje);

    Plataforma& plataforma_;
    Proyecto proyecto_;
    QString fichero_;
    std::optional<Proyecto> calculado_; // the project as it was exploded
    std::optional<ResultadoProyecto> resultado_;
    std::optional<std::vector<PoliticaProyecto>> politicas_; // of calculado_, once asked for
    int articulo_ = -1;
    bool refrescando_ = false;
    bool rejillaPendiente_ = false; // the user changed the grid; not yet made an edit
    int articuloRejilla_ = -1;      // the item whose inputs the grid holds
    bool diagramaAlDia_ = false;    // the diagram shows the project as it is
    bool confirmando_ = false;      // the fields are being taken; a warning must not retake them
    // Made of a problem or a .lot and never saved: it has changes to lose with an empty stack.
    bool sinGuardar_ = false;

    QUndoStack* pila_;
    ModeloEstructura* modelo_;
    QTreeView* arbol_;
    QLineEdit* EditNPeriodos_;
    QCheckBox* CheckBoxRedondear_;
    QLineEdit* EditCodigo_;
    QLineEdit* EditDescripcion_;
    QLineEdit* EditTS_;
    QLineEdit* Editss_;
    QLineEdit* EditCE_;
    QLineEdit* EditCP_;
    QComboBox* ComboLotificacion_;
    QLabel* EtiquetaNivel_;
    QLabel* EstadoRegistro_;
    RejillaProyecto* SG_;
    QLabel* MensajeEstado_;
    PanelDiagrama* PanelDiagrama_;
    PanelPoliticas* PanelPoliticas_;
    QDockWidget* PanelGrafico_;
    VistaGrafico* GraficoArticulo_;

    DialogoFichero OpenDialogProyecto_;
    DialogoFichero SaveDialogProyecto_;
    DialogoFichero SaveDialogInforme_;
    DialogoFichero SaveDialogHoja_;
    DialogoFichero SaveDialogArticulo_;
};
