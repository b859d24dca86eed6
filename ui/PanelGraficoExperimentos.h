// The experiments window's tab "Gráfico": how the methods fared in the last run that ended, kept
// until the next run starts.
#pragma once

#include "Ejecucion.h"

#include <QWidget>

class QPlainTextEdit;
class VistaGrafico;

class PanelGraficoExperimentos : public QWidget {
    Q_OBJECT
public:
    explicit PanelGraficoExperimentos(QWidget* padre = nullptr);

    // The run's statistics; conOptimo when it compared with the optimum, textoNExp the number of
    // experiments as its field held it.
    void Mostrar(const DatosExperimentos& datos, bool conOptimo, const QString& textoNExp);
    // A run started: nothing to show until it ends.
    void Vaciar();

private:
    VistaGrafico* VecesMasBarato_;
    VistaGrafico* Desviaciones_;
};

// Puts the memo under a tab "Informe" and this panel under a tab "Gráfico", where the memo stood.
PanelGraficoExperimentos* PonerPestanaGrafico(QPlainTextEdit& memo);
