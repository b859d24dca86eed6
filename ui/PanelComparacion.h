// The panel "Comparación de métodos": every method and the optimum side by side for the problem of
// the last calculation, the cheapest methods highlighted, the periods each plan runs short in, and
// below the table their costs as bars. Double-clicking a row asks for its plan.
#pragma once

#include "PanelAnalisis.h"
#include "ResultadoCalculo.h"

#include <optional>
#include <vector>

class QLabel;
class QSplitter;
class QTableWidget;
class VistaGrafico;

class PanelComparacion : public PanelAnalisis {
    Q_OBJECT
public:
    explicit PanelComparacion(QWidget* padre = nullptr);

    // The comparison of the calculation, the row of its plan selected; an empty table before the
    // first one and after "Nuevo", and why in place of the table when the comparison was refused.
    void Mostrar(const std::optional<ResultadoCalculo>& calculo);

signals:
    // A row was double-clicked: the method of its plan, CodigoPlanManual for the user's plan.
    void PlanElegido(TipoLotificacion metodo);

private:
    QLabel* SinCalculo_;
    QTableWidget* Tabla_;
    VistaGrafico* Grafico_;
    QSplitter* Division_;                   // the table above the chart
    std::vector<TipoLotificacion> metodos_; // of each row
};
