// The panel "Explicación del cálculo": how the last calculation made its plan, block by block, its
// tables as real tables with the chosen row highlighted, and a button that copies it all as
// TAB-separated text.
#pragma once

#include "BloqueExplicacion.h"
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
    // nothing; a long one's first screens at once and the rest between the events that follow.
    void Mostrar(const std::optional<ResultadoCalculo>& calculo);

    // Above the explanation, the step of a checked record's first wrong cell; none when empty.
    void MostrarPaso(const QString& paso);

    // What the copy button puts on the clipboard.
    QString TextoTabulado() const;

    // Every block of the explanation is on the panel.
    bool Construida() const { return !pendiente_ && siguiente_ == bloques_.size(); }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Construir();
    // Adds the next blocks, up to a share of rows, and leaves the rest for later.
    void Continuar();

    QLabel* SinCalculo_;
    QLabel* Paso_;
    QPushButton* Copiar_;
    QWidget* Contenido_;
    QVBoxLayout* Bloques_;
    std::optional<ResultadoCalculo> calculo_;
    bool pendiente_ = false;    // the blocks changed while the panel was hidden
    Bloques bloques_, exactos_; // being built: rounded, and exact for the tool tips
    std::size_t siguiente_ = 0; // the next block to build
    int tanda_ = 0;             // which building the steps left for later belong to
};
