// A chart view for the panels: it draws chart data, or says why there is nothing to draw. The
// chart is built only while the view shows, so a hidden panel costs start-up and every
// calculation nothing; Datos() holds what it draws either way.
#pragma once

#include "DatosGrafico.h"

#include <QFont>
#include <QWidget>

#include <optional>

class QChart;
class QChartView;

class VistaGrafico : public QWidget {
    Q_OBJECT
public:
    explicit VistaGrafico(QWidget* padre = nullptr);

    void Mostrar(const DatosGrafico& datos);
    // An empty chart titled with the message.
    void Vaciar(const QString& mensaje);

    // What it draws; nothing while it is empty.
    const std::optional<DatosGrafico>& Datos() const { return datos_; }

protected:
    void showEvent(QShowEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    // Builds the chart of what it holds, when it shows; otherwise leaves that for its showing.
    void Actualizar();
    // The legend below the chart while its texts fit there whole, beside it otherwise.
    void ColocarLeyenda();

    std::optional<DatosGrafico> datos_;
    QString mensaje_;
    QChartView* vista_ = nullptr;        // made on the first showing
    bool pendiente_ = true;              // what it holds changed since the chart was built
    std::optional<QFont> fuenteLeyenda_; // the chart's own, before ColocarLeyenda changed it
};
