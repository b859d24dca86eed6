// The experiments window: the parameter fields, the choice of the trace file, the run of random
// problems through all six methods, the report memo and the chart of the last run. The rules live
// in experiments/.
#pragma once

#include "Ejecucion.h"
#include "Generador.h"
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
    ~TFormExp() override;

    // The trace file chosen last; empty until one is chosen.
    const QString& FicheroExperimentos() const { return FicheroExperimentos_; }
    // What the last run left: statistics, costs and times.
    const DatosExperimentos& Datos() const { return datos_; }
    // The twelve parameter texts and the check box as the fields hold them now.
    TextosExperimento Textos() const;

    // The draws of the next runs; by default a generator seeded from the clock at every run.
    void PonerFuenteSorteos(FuenteSorteos& sorteos) { sorteos_ = &sorteos; }

public slots:
    void SBFicheroClick();
    void SBEjecutarClick();
    void SBBorraClick();

private:
    void PonerTextos(const TextosExperimento& textos);
    void Ejecutar();
    ProgresoEjecucion Progreso();
    void MostrarBarra(bool visible);

    Plataforma& plataforma_;
    std::unique_ptr<Ui::TFormExp> ui_;
    DialogoFichero OpenDialog1;
    QString FicheroExperimentos_;
    DatosExperimentos datos_;
    PanelGraficoExperimentos* GraficoExperimentos_;
    Generador generador_;
    FuenteSorteos* sorteos_ = &generador_;
};
