// A .lot problem as a one-item project, and a project's item as a .lot problem.
#pragma once

#include "ArticuloDeTextos.h"
#include "ExplosionProyecto.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The code an item takes from a file's name: its base name, every character a code cannot hold
// made "_", cut to the longest code; "ARTICULO" when nothing is left.
QString CodigoDeNombre(const QString& ruta);

// A project of one item, with the item's horizon and rounding; its gross requirements become
// its independent demand.
Proyecto ProyectoDeArticulo(const Articulo& articulo, const QString& codigo,
                            const QString& descripcion);

// A .lot opened and converted as "resolver" does it, warnings included, then made a project of
// one item named after the file. Throws EInOutError and EConvertError.
std::optional<Proyecto> ProyectoDeProblema(const QString& ruta, const OpcionesFichero& opciones,
                                           const Avisar& avisar);

// A .mrp file (EsFicheroProyecto), anything else as a .lot ProyectoDeProblema opens; without
// rounding, the project's is turned off. The method of the options reaches only a .lot: a project's
// items are given one by exploding it with that method. Throws EInOutError, EConvertError and
// EFicheroProyecto.
std::optional<Proyecto> AbrirComoProyecto(const QString& ruta, const OpcionesFichero& opciones,
                                          const Avisar& avisar);

// The bytes of a .lot of the item: its parameters, its method (none for one that is no item of
// the window's list), its gross requirements as worked out, its initial stock and its scheduled
// receipts, every number written as the grid writes it.
QByteArray ProblemaDelArticulo(const Proyecto& proyecto, const ResultadoProyecto& resultado,
                               int indice);
