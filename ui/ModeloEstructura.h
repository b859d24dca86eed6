// The product structure as a tree for a QTreeView: every item nobody lists at the top, and under
// each item its components, with their code, description, level and quantity per unit of the
// parent. An item under two parents shows under both. Nodes are made as the view asks for them,
// so a large structure costs only what is shown; a branch stops where it meets its own item again.
// It shows what it took from the project at its last Actualizar, so that the views never read an
// item the project has just lost.
#pragma once

#include "ArbolEstructura.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QStringList>

#include <vector>

class ModeloEstructura : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Columna { ColumnaCodigo, ColumnaDescripcion, ColumnaNivel, ColumnaCantidad, NumColumnas };

    explicit ModeloEstructura(const Proyecto& proyecto, QObject* padre = nullptr);

    // The project has changed: a new structure (codes, components, order) makes the tree again,
    // anything else repaints it.
    void Actualizar();
    // Items whose code shows in red with their refusals as its tool tip; none when empty.
    void PonerRechazos(const QHash<int, QStringList>& rechazos);
    const ArbolEstructura& Arbol() const { return arbol_; }

    // The item a node shows; -1 for a component that names no item.
    int Articulo(const QModelIndex& indice) const;
    // The item the node is a component of, and its place in that item's list; -1 at the top.
    int Padre(const QModelIndex& indice) const;
    int Posicion(const QModelIndex& indice) const;
    // The first node of the item, nearest the top; under that parent when one is given.
    QModelIndex IndiceDe(int articulo, int padre = -1);
    // A node as the codes from the top down to it, and back.
    QStringList Ruta(const QModelIndex& indice) const;
    QModelIndex IndiceDeRuta(const QStringList& ruta);

    QModelIndex index(int fila, int columna, const QModelIndex& padre = {}) const override;
    QModelIndex parent(const QModelIndex& indice) const override;
    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    bool hasChildren(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    // A quantity typed is not stored here: the window makes it an edit of the project.
    bool setData(const QModelIndex& indice, const QVariant& valor, int rol) override;

signals:
    void CantidadTecleada(int padre, int posicion, const QString& texto);

private:
    struct Nodo {
        int articulo = -1;
        int padre = -1;    // node
        int posicion = -1; // in the parent item's list
        int fila = 0;      // among its siblings
        bool hijosHechos = false;
        std::vector<int> hijos;
    };
    // What the tree shows of an item.
    struct Mostrado {
        QString codigo;
        QString descripcion;
        std::vector<Componente> componentes;
    };
    // Whether the items give the tree the same shape: the same codes and components' codes.
    static bool MismaForma(const std::vector<Mostrado>& a, const std::vector<Mostrado>& b);
    void AvisarCambios(const QList<int>& roles);
    bool EnCiclo(int nodo) const; // the node's item shows above it in its branch
    const std::vector<int>& Hijos(int nodo) const;
    QModelIndex Indice(int nodo, int columna = 0) const;
    const Nodo& NodoDe(const QModelIndex& indice) const;

    const Proyecto& proyecto_;
    ArbolEstructura arbol_;
    std::vector<Mostrado> mostrados_;
    QHash<int, QStringList> rechazos_;
    mutable std::vector<Nodo> nodos_; // the roots first
};
