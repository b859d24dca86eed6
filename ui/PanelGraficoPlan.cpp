// The plan's chart panel.
#include "PanelGraficoPlan.h"

#include "GraficosCalculo.h"
#include "VistaGrafico.h"

PanelGraficoPlan::PanelGraficoPlan(QWidget* padre)
    : PanelAnalisis(QStringLiteral("Gráfico del plan"), padre), Grafico_(new VistaGrafico) {
    setObjectName(QStringLiteral("PanelGraficoPlan"));
    Grafico_->setObjectName(QStringLiteral("GraficoPlan"));
    PonerContenido(Grafico_);
    Mostrar(std::nullopt);
}

void PanelGraficoPlan::Mostrar(const std::optional<ResultadoCalculo>& calculo) {
    if (calculo)
        Grafico_->Mostrar(GraficoPlan(*calculo));
    else
        Grafico_->Vaciar(QStringLiteral("Calcule el problema para ver el gráfico de su plan."));
}
