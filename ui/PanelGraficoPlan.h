// The panel "Gráfico del plan": the plan of the last calculation period by period, with its
// method and total cost in the title.
#pragma once

#include "PanelAnalisis.h"
#include "ResultadoCalculo.h"

#include <optional>

class VistaGrafico;

class PanelGraficoPlan : public PanelAnalisis {
    Q_OBJECT
public:
    explicit PanelGraficoPlan(QWidget* padre = nullptr);

    // The chart of the calculation; a message before the first one and after "Nuevo".
    void Mostrar(const std::optional<ResultadoCalculo>& calculo);

private:
    VistaGrafico* Grafico_;
};
