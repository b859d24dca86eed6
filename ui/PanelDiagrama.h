// The panel "Estructura del producto": the items as boxes by level, an arrow from every parent to
// each of its components with the quantity per unit on it, and the selected item highlighted. The
// wheel zooms; a click on a box selects its item.
#pragma once

#include "Proyecto.h"

#include <QDockWidget>
#include <QGraphicsView>

#include <vector>

class QGraphicsRectItem;
class QGraphicsScene;

// The view that the wheel zooms about the point under the mouse.
class VistaDiagrama : public QGraphicsView {
    Q_OBJECT
public:
    explicit VistaDiagrama(QWidget* padre = nullptr);
    // The whole diagram in view, never so small that its texts cannot be read; then it scrolls.
    void Encajar();

signals:
    void CajaPulsada(int articulo);

protected:
    void wheelEvent(QWheelEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
};

class PanelDiagrama : public QDockWidget {
    Q_OBJECT
public:
    explicit PanelDiagrama(QWidget* padre = nullptr);

    // Draws the project's structure anew, or says why it has none to draw.
    void Mostrar(const Proyecto& proyecto);
    // Highlights the item's box; -1 for none.
    void Seleccionar(int articulo);
    QGraphicsScene& Escena() { return *escena_; }
    VistaDiagrama& Vista() { return *vista_; }

signals:
    void ArticuloElegido(int articulo);

private:
    QGraphicsScene* escena_;
    VistaDiagrama* vista_;
    std::vector<QGraphicsRectItem*> cajas_; // by item; empty while nothing is drawn
    int seleccionado_ = -1;
    std::size_t encajados_ = 0; // boxes when the view was last fitted to them
};
