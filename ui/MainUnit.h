// The main window: the problem's fields, the method, the planning grid and every command of the
// menu and the tool bar. It holds no rules: handlers gather the texts from the widgets, call the
// problem's functions and write the result back.
#pragma once

#include "AccionesMain.h"
#include "AvisosProblema.h"
#include "Comprobacion.h"
#include "EleccionInforme.h"
#include "OpcionesEjercicios.h"
#include "Plataforma.h"
#include "ResultadoCalculo.h"
#include "TextosProblema.h"

#include <QMainWindow>
#include <QPrinter>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class DialogoInforme;
class PanelAnalisis;
class PanelComparacion;
class PanelExplicacion;
class PanelGraficoPlan;
class TFormProyecto;
struct LugarTexto;
struct ContenidoInforme;
class QButtonGroup;
class QDialog;
class QDockWidget;
class QLabel;
namespace Ui {
class TFormMain;
}

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormMain(Plataforma& plataforma, QWidget* padre = nullptr);
    ~TFormMain() override;

    // The experiments window (shown modeless) and the About dialog (modal) that the menu opens.
    // The experiments window becomes this window's own, so it stays above it.
    void PonerVentanas(QWidget& FormExp, QDialog& AboutBox);

    const QString& FicheroProblema() const { return FicheroProblema_; }
    const QString& FicheroSolucion() const { return FicheroSolucion_; }
    QPrinter& Impresora() { return Printer_; }
    // The records of the last calculation whose result the grid shows; nothing before the first
    // one and after "Nuevo". Views and reports read their numbers here.
    const std::optional<ResultadoCalculo>& UltimoCalculo() const { return UltimoCalculo_; }

    // The commands. They may throw: the window runs every one of them through Protegido.
    void Nuevo1Click();
    void Abrir1Click();
    void GuardarProblemaClick();
    void GuardarProblemaComoClick();
    void GuardarSolucionClick();
    void GuardarSolucionComoClick();
    void Configurarimpresora1Click();
    void Imprimir1Click();
    void Salir1Click();
    // The report of the problem and its last calculation, after the menu's own items.
    void VistaPreviaInforme1Click();
    void ExportarInformePdf1Click();
    // Spreadsheets: the problem and its last calculation written as a workbook or CSV, and gross
    // requirements read from one.
    void ExportarHoja1Click();
    void ImportarNecesidades1Click();
    void CalculoManual1Click();
    void LotificacinSeleccionada1Click();
    void PlanOptimo1Click();
    void CompararMetodos1Click();
    void GraficoPlan1Click();
    void ExplicacionCalculo1Click();
    // Every panel back on the right, docked and tabbed, at the width that leaves the grid eight
    // periods; the open ones stay open.
    void RestablecerDisposicion1Click();
    void Modulodeexperimentos1Click();
    void Acercade1Click();
    // "E&jercicio": the student's record checked, and sheets of exercises.
    void ComprobarSolucion1Click();
    void MostrarSolucion1Click();
    void Tolerancia1Click();
    void GenerarHojaEjercicios1Click();
    // "&Proyecto": each opens the project window, made the first time it is needed.
    void NuevoProyecto1Click();
    void AbrirProyecto1Click();
    void AbrirEjemplo1Click();
    void GuardarProyecto1Click();
    void GuardarProyectoComo1Click();
    void ProyectoDesdeProblema1Click();
    // "E&ditar", on the grid's selection as its keys do.
    void Copiar1Click();
    void Pegar1Click();
    void Borrar1Click();

    // Reactions of the fields and the grid.
    void EditNPeriodosChange(const QString& texto);
    void CheckBoxCostesClick();
    void SGKeyDown(int tecla);

signals:
    // UltimoCalculo changed: a calculation ended, or "Nuevo" emptied the grid.
    void CalculoCambiado();

protected:
    // The program ends with its main window, even while the experiments window is open.
    void closeEvent(QCloseEvent* evento) override;

private:
    void CrearOrdenes();
    void CrearRadioGroupLotificacion();
    void CrearEdicion();
    void CrearBarraEstado();
    void Ejecutar(ManejadorMain orden);
    // Says in the status bar what a command did.
    void Informar(const QString& mensaje);
    // The grid's look after its texts or its horizon changed: the column after the last period
    // in bold, every column as wide as its texts.
    void AjustarRejilla();
    void CrearPaneles();
    void CrearEjercicio();
    // The marks of the last check, laid again over the cells that still hold what was checked.
    void MarcarComprobacion();
    void QuitarComprobacion();
    // Reports the command's failure through Protegido; a text that did not convert is then pointed
    // at, once the error's box has closed.
    void Ejecutar(const std::function<void()>& orden);
    // Selects and focuses the field or grid cell of a text that did not convert.
    void SenalarLugar(const LugarTexto& lugar);

    void FormCreate();
    void Inicializar();
    void NumerarPeriodos();
    void HabilitarSolucion(bool habilitar);
    // "Calcular" with the given method; the radio group then shows it if it is one of its items.
    void CalcularCon(TipoLotificacion metodo);
    // Shows the panel on the right, tabbed with the panels open there; opening that side, at the
    // width AnchoPanel gives.
    void AbrirPanel(PanelAnalisis* panel);
    // The panels' width that leaves the grid eight periods in view.
    int AnchoPanel() const;
    std::vector<PanelAnalisis*> Paneles() const;
    // Greys the results and marks the panels while the inputs no longer give the item calculated.
    void ComprobarDatos();
    // Asks which sections the report holds; false when the dialog was cancelled.
    bool ElegirInforme();
    // The plan of a row of the comparison, calculated as its command would.
    void MostrarPlan(TipoLotificacion metodo);
    void PonerUltimoCalculo(std::optional<ResultadoCalculo> resultado);
    // The warnings of the problem's checks, shown as the window's.
    Avisar Avisador();

    // The problem as the fields and the radio group hold it, and back.
    TextosProblema Problema() const;
    void PonerCampos(const TextosProblema& problema);
    void SeleccionarMetodo(int metodo);

    // False when the horizon was refused with a warning.
    bool HorizonteAdmitido();
    bool EscribirProblema();
    // Reads the whole file before the window changes; false when it was refused with a warning.
    bool LeerProblema(const QString& ruta);
    void EscribirSolucion();
    // The report of the problem as the window holds it now.
    ContenidoInforme Informe() const;
    // The project window, shown.
    TFormProyecto& FormProyecto();

    Plataforma& plataforma_;
    std::unique_ptr<Ui::TFormMain> ui_;
    QButtonGroup* RadioGroupLotificacion_;
    QWidget* FormExp_ = nullptr;
    QDialog* AboutBox_ = nullptr;
    QLabel* MensajeEstado_ = nullptr;
    PanelComparacion* PanelComparacion_;
    PanelGraficoPlan* PanelGraficoPlan_;
    PanelExplicacion* PanelExplicacion_;
    bool Desactualizado_ = false;              // the inputs have changed since the last calculation
    DialogoInforme* DialogoInforme_ = nullptr; // made when first asked
    // The reader's last choice for the report, kept for as long as the window is open.
    EleccionInforme EleccionInforme_;

    std::optional<ResultadoCalculo> UltimoCalculo_;
    std::optional<ComprobacionProblema> UltimaComprobacion_;
    double Tolerancia_ = ToleranciaDefecto;
    TextosEjercicios TextosHoja_; // the sheet dialog's last texts, for its next showing
    QString CarpetaHoja_;
    QString FicheroProblema_;
    QString FicheroSolucion_;
    DialogoFichero SaveDialogProb_;
    DialogoFichero OpenDialogProb_;
    DialogoFichero SaveDialogSol_;
    DialogoFichero SaveDialogInforme_;
    DialogoFichero SaveDialogHoja_;
    DialogoFichero OpenDialogHoja_;
    QPrinter Printer_{QPrinter::HighResolution};
    // The report's own, on A4 whatever the grid's printout was set up for.
    QPrinter ImpresoraInforme_{QPrinter::HighResolution};
};
