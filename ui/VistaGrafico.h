// A chart view for the panels: it draws chart data, or says why there is nothing to draw.
#pragma once

#include "DatosGrafico.h"

#include <QChartView>

#include <optional>

class VistaGrafico : public QChartView {
    Q_OBJECT
public:
    explicit VistaGrafico(QWidget* padre = nullptr);

    void Mostrar(const DatosGrafico& datos);
    // An empty chart titled with the message.
    void Vaciar(const QString& mensaje);

    // What it draws; nothing while it is empty.
    const std::optional<DatosGrafico>& Datos() const { return datos_; }

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void Poner(QChart* grafico);
    // The legend below the chart while its texts fit there whole, beside it otherwise.
    void ColocarLeyenda();

    std::optional<DatosGrafico> datos_;
};
