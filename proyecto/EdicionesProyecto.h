// The edits a window makes to a project, as values that can be done and undone in turn, and the
// checks that refuse one before it is made. An edit is a few steps, each of which holds what it
// changes before and after, so that undoing it gives back the very project it was made on.
#pragma once

#include "Proyecto.h"

#include <QString>

#include <optional>
#include <utility>
#include <variant>
#include <vector>

// Anything of one item but its code: its data, its rows, its description, its components.
struct CambioArticulo {
    int Indice = 0;
    ArticuloProyecto Antes, Despues;
};
// A code, renamed also in every list of components that names it.
struct CambioCodigo {
    int Indice = 0;
    QString Antes, Despues;
};
// An item put in at Indice.
struct AltaArticulo {
    int Indice = 0;
    ArticuloProyecto Articulo;
};
// The item at Indice taken out, and out of every list of components; the lists that named it as
// they were, by position.
struct BajaArticulo {
    int Indice = 0;
    ArticuloProyecto Articulo;
    std::vector<std::pair<int, std::vector<Componente>>> Listas;
};
// The item at Desde moved to Hasta, the others keeping their order.
struct CambioOrden {
    int Desde = 0, Hasta = 0;
};
struct CambioHorizonte {
    std::int32_t NAntes = 0, NDespues = 0;
    bool RedondearAntes = true, RedondearDespues = true;
};
// One method for every item.
struct CambioMetodos {
    std::vector<TipoLotificacion> Antes;
    TipoLotificacion Despues = 0;
};

using PasoEdicion = std::variant<CambioArticulo, CambioCodigo, AltaArticulo, BajaArticulo,
                                 CambioOrden, CambioHorizonte, CambioMetodos>;

struct EdicionProyecto {
    QString Texto;                  // what it does, as "Deshacer" names it: "quitar «PATA»"
    std::vector<PasoEdicion> Pasos; // done in order, undone in reverse
    // The item to show once it is done, and once it is undone; -1 for none in particular.
    int Articulo = -1;
    int ArticuloDeshecho = -1;
};

void Hacer(const EdicionProyecto& edicion, Proyecto& proyecto);
void Deshacer(const EdicionProyecto& edicion, Proyecto& proyecto);

// Why an edit cannot be made, and the item the message names.
struct RechazoEdicion {
    int Articulo = -1;
    QString Texto;
};
using EdicionORechazo = std::variant<EdicionProyecto, RechazoEdicion>;

// The item at indice becomes nuevo; its code is left as it was.
EdicionProyecto EdicionArticulo(const Proyecto& proyecto, int indice, ArticuloProyecto nuevo,
                                const QString& texto);
// One datum of the item changed, named as a sentence names it: "el coste de emisión" gives
// "cambiar el coste de emisión de «PATA»".
EdicionProyecto EdicionDato(const Proyecto& proyecto, int indice, ArticuloProyecto nuevo,
                            const QString& dato);
// A new item at the end, lot-for-lot, with the first free code of the form ART1, ART2...
EdicionProyecto EdicionNuevoArticulo(const Proyecto& proyecto);
// Refused a code that is not valid or that another item has.
EdicionORechazo EdicionCodigo(const Proyecto& proyecto, int indice, const QString& codigo);
// The item of that code becomes a component of padre, at the end of its list; a code no item has
// makes a new item first. Refused a quantity that is not above 0, a code that is not valid, an
// item already in the list and one that would close a cycle.
EdicionORechazo EdicionComponente(const Proyecto& proyecto, int padre, const QString& codigo,
                                  double cantidad);
// The quantity of padre's component at posicion; refused one that is not above 0.
EdicionORechazo EdicionCantidad(const Proyecto& proyecto, int padre, int posicion, double cantidad);
// The item out of the project and out of every list.
EdicionProyecto EdicionQuitar(const Proyecto& proyecto, int indice);
// The component at posicion out of padre's list; the item stays in the project.
EdicionProyecto EdicionQuitarComponente(const Proyecto& proyecto, int padre, int posicion);
// One place up (paso -1) or down (paso 1) in the project's order; nothing past either end.
std::optional<EdicionProyecto> EdicionMover(const Proyecto& proyecto, int indice, int paso);
EdicionProyecto EdicionHorizonte(const Proyecto& proyecto, std::int32_t N, bool redondear);
EdicionProyecto EdicionMetodoComun(const Proyecto& proyecto, TipoLotificacion metodo);
