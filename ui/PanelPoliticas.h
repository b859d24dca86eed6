// The panel "Políticas": the project's cost with each method given to every item, and with each
// item's own; a double click on a method's row gives that method to every item.
#pragma once

#include "PoliticasProyecto.h"

#include <QDockWidget>

#include <optional>
#include <vector>

class QLabel;
class QTableWidget;

class PanelPoliticas : public QDockWidget {
    Q_OBJECT
public:
    explicit PanelPoliticas(QWidget* padre = nullptr);

    // The policies of the last calculation, greyed when the project has changed since; a message
    // before any.
    void Mostrar(const std::optional<std::vector<PoliticaProyecto>>& politicas,
                 bool desactualizadas);
    QTableWidget& Tabla() { return *tabla_; }

signals:
    void MetodoElegido(TipoLotificacion metodo);

private:
    QLabel* nota_;
    QTableWidget* tabla_;
    std::vector<std::optional<TipoLotificacion>> metodos_; // by row
};
