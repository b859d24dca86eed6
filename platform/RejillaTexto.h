// The string grid: text cells addressed (column, row) from 0, row 0 and column 0 fixed, editing
// in place, and a key-down notification. Its texts outlive changes of its row and column counts.
#pragma once

#include "TextosCelda.h"

#include <QTableView>

class ModeloRejilla;
class QPainter;

class RejillaTexto : public QTableView {
    Q_OBJECT
public:
    static constexpr int AnchoColumnaDefecto = 40;
    static constexpr int AltoFilaDefecto = 20;

    explicit RejillaTexto(QWidget* padre = nullptr);
    ~RejillaTexto() override;

    QString Celda(int columna, int fila) const;
    void PonerCelda(int columna, int fila, const QString& texto);
    const TextosCelda& Textos() const;
    void PonerTextos(const TextosCelda& textos); // replaces every text at once

    int Columnas() const;
    void PonerColumnas(int columnas); // at least 2: the fixed column and one more
    int Filas() const;
    void PonerFilas(int filas); // at least 2: the fixed row and one more

    int ColumnaActual() const;
    int FilaActual() const;
    void PonerCeldaActual(int columna, int fila);

    // Stores what is being typed into a cell and closes its editor, so that whoever reads the
    // texts next sees what the user sees. Tool buttons take no focus, so without this a command
    // would read the cell as it was before the typing, and then overwrite the typing.
    void ConfirmarEdicion();

    // Paints the grid as it shows on screen, scaled from screen pixels to the painter's device.
    void Pintar(QPainter& pintor, QPointF origen);

signals:
    // A key went down while the grid had the focus; Enter also while a cell was being edited,
    // once the edit has been committed. The key is not consumed. The keypad's Enter comes as
    // Qt::Key_Return.
    void TeclaPulsada(int tecla);

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void asegurarCeldaActual();

    ModeloRejilla* modelo_;
};
