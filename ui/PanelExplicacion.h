// The panel "Explicación del cálculo": how the last calculation made its plan, block by block, its
// tables as real tables with the chosen row highlighted, and a button that copies it all as
// TAB-separated text.
#pragma once

#include "PanelAnalisis.h"
#include "ResultadoCalculo.h"

#include <optional>

class QLabel;
class QPushButton;
class QVBoxLayout;

class PanelExplicacion : public PanelAnalisis {
    Q_OBJECT
public:
    explicit PanelExplicacion(QWidget* padre = nullptr);

    // The explanation of the calculation; nothing before the first one and after "Nuevo". Its
    // texts and widgets are made when the panel shows, so a hidden panel costs a calculation
    // nothing.
    void Mostrar(const std::optional<ResultadoCalculo>& calculo);

    // What the copy button puts on the clipboard.
    QString TextoTabulado() const;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Construir();

    QLabel* SinCalculo_;
    QPushButton* Copiar_;
    QWidget* Contenido_;
    QVBoxLayout* Bloques_;
    std::optional<ResultadoCalculo> calculo_;
    bool pendiente_ = false; // the blocks changed while the panel was hidden
};
