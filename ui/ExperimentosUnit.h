// The experiments window: the parameter fields, the choice of the trace file, runs of random
// problems through the methods off the interface thread, the report memo and the chart of the last
// run. The rules live in experiments/.
#pragma once

#include "Ejecucion.h"
#include "Generador.h"
#include "HiloExperimentos.h"
#include "LibroExperimentos.h"
#include "Plataforma.h"
#include "ProblemaAleatorio.h"

#include <QString>
#include <QWidget>

#include <memory>

class PanelGraficoExperimentos;
namespace Ui {
class TFormExp;
}

class TFormExp : public QWidget {
    Q_OBJECT
public:
    explicit TFormExp(Plataforma& plataforma, QWidget* padre = nullptr);
    // A run still going is stopped and waited for.
    ~TFormExp() override;

    // The trace file chosen last; empty until one is chosen.
    const QString& FicheroExperimentos() const { return FicheroExperimentos_; }
    // What the last run left: statistics, costs and times.
    const DatosExperimentos& Datos() const { return datos_; }
    // The twelve parameter texts and the check box as the fields hold them now.
    TextosExperimento Textos() const;
    // From the click on the run button until the run's report or failure is shown.
    bool Ejecutando() const { return ejecutando_; }

    // The draws of the next runs in place of the generator «Semilla:» sets up (tests); null
    // gives «Semilla:» back its say.
    void PonerFuenteSorteos(FuenteSorteos* sorteos) { sorteos_ = sorteos; }

public slots:
    void SBFicheroClick();
    void SBEjecutarClick();
    void SBDetenerClick();
    void SBBorraClick();
    // The last run's statistics, its fields and its seed, as a workbook or CSV.
    void SBExportarClick();

signals:
    // A run has ended and its report or its failure has been shown.
    void EjecucionTerminada();

protected:
    // Closing only hides the window; a run still going is stopped first.
    void closeEvent(QCloseEvent* evento) override;

private:
    void PonerTextos(const TextosExperimento& textos);
    void Ejecutar();
    void EnEjecucion(bool ejecutando);
    void Terminar(const FinEjecucion& fin);

    Plataforma& plataforma_;
    std::unique_ptr<Ui::TFormExp> ui_;
    DialogoFichero OpenDialog1;
    DialogoFichero SaveDialogEstadisticas_;
    QString FicheroExperimentos_;
    DatosExperimentos datos_;
    // What the run in progress, and then the last one, was made from.
    EjecucionHecha ejecucion_;
    bool hayEstadisticas_ = false; // a run ended with its report since the window opened
    PanelGraficoExperimentos* GraficoExperimentos_;
    Generador generador_;
    FuenteSorteos* sorteos_ = nullptr; // given by a test; the generator otherwise
    bool ejecutando_ = false;
    HiloExperimentos hilo_; // last: it stops before anything the run uses goes
};
