// The string grid: text cells addressed (column, row) from 0, row 0 and column 0 fixed, editing
// in place, and a key-down notification. Its texts outlive changes of its row and column counts.
// Ctrl+C, Ctrl+V, Supr and Backspace copy, paste and empty the selected cells as spreadsheets do;
// Ctrl+Tab and Ctrl+Shift+Tab leave the grid.
#pragma once

#include "MarcaCelda.h"
#include "PortapapelesRejilla.h"
#include "TextosCelda.h"

#include <QHash>
#include <QTableView>

#include <limits>

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

    // The column whose cells show in bold; none when below 1.
    void PonerColumnaNegrita(int columna);

    // Replaces one layer of marks (MarcaCelda.h); an empty set removes it. Where layers mark the
    // same cell, the higher layer's colours and every layer's notes show.
    void PonerMarcas(int capa, const MarcasCeldas& marcas,
                     DuracionMarcas duracion = DuracionMarcas::HastaReemplazarlas);
    // Sizes every column to the widest text it shows, never below the default width nor below
    // a width the user gave it by dragging.
    void AjustarColumnas();

    // The selected cells; the current cell when nothing is selected.
    RangoCeldas Seleccion() const;
    // The selected cells to the clipboard as TAB-separated lines.
    void Copiar();
    // The clipboard's TAB-separated lines from the current cell on; the pasted cells that the
    // grid shows end up selected. Fields beyond the extent the grid can ever reach are left out.
    void Pegar();
    // The most columns and rows the grid's owner ever gives it; no limit unless set.
    void PonerExtensionMaxima(int columnas, int filas);
    // Empties the selected cells.
    void BorrarSeleccion();

signals:
    // A key went down while the grid had the focus; Enter also while a cell was being edited,
    // once the edit has been committed. The key is not consumed. The keypad's Enter comes as
    // Qt::Key_Return.
    void TeclaPulsada(int tecla);

    // What Copiar, Pegar and BorrarSeleccion did, from the keys or from a caller.
    void Copiadas(int celdas);
    void Pegadas(const ResultadoPegado& pegado);
    void Borradas(int celdas);

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void asegurarCeldaActual();
    void salir(bool siguiente);
    int anchoTextos(int columna) const;

    ModeloRejilla* modelo_;
    // Widths the user dragged columns to, by grid column; they outlive the column's removal.
    QHash<int, int> anchosUsuario_;
    bool ajustandoColumnas_ = false;
    int columnasMaximas_ = std::numeric_limits<int>::max();
    int filasMaximas_ = std::numeric_limits<int>::max();
};
