// A multi-level MRP project as a value: the horizon and the rounding its items share, and its
// items, each an engine item with its code, description, independent demand and components. A
// window edits it in place and explodes it again; nothing here checks it (ValidacionProyecto.h).
#pragma once

#include "Articulo.h"

#include <QString>

#include <cstdint>
#include <vector>

// One line of an item's bill of materials: the item it is made of, and how many per unit.
struct Componente {
    QString Codigo;
    double Cantidad = 1;
    bool operator==(const Componente&) const = default;
};

struct ArticuloProyecto {
    QString Codigo; // unique in the project: 1 to 20 letters, digits, "-" or "_"
    QString Descripcion;
    // Its lead time, safety stock, costs, method, initial stock (Entrada.D[1]) and scheduled
    // receipts (Entrada.RP, periods 1 to N). The rest is the project's: the explosion takes N and
    // the rounding from the project and works out the gross requirements; those fields here, and
    // every other row of Entrada, are never read.
    Articulo Datos;
    TFilaMRP DemandaIndependiente; // periods 1 to N: the master schedule, or spare parts
    std::vector<Componente> Componentes;
    bool operator==(const ArticuloProyecto&) const = default;
};

struct Proyecto {
    std::int32_t N = 10;   // periods of every item's horizon
    bool Redondear = true; // EOQ orders a whole number, in every item
    std::vector<ArticuloProyecto> Articulos;
    bool operator==(const Proyecto&) const = default;
};

inline constexpr int LongitudMaximaCodigo = 20;

// 1 to LongitudMaximaCodigo characters, each a letter, a digit, "-" or "_": it names its files.
bool CodigoValido(const QString& codigo);

// The position of the item of that code; -1 when there is none.
int IndiceArticulo(const Proyecto& proyecto, const QString& codigo);

// Edits that keep the structure whole. Removing an item also removes it from every list of
// components; renaming one renames it in them too.
void QuitarArticulo(Proyecto& proyecto, int indice);
void RenombrarArticulo(Proyecto& proyecto, int indice, const QString& codigo);
