// The .mrp project file: JSON in UTF-8, numbers as JSON numbers whatever the locale, the keys
// fixed so that other tools can write it. Read whole and checked before any of it is used; saved
// atomically.
#pragma once

#include "Proyecto.h"

#include <QByteArray>
#include <QString>

inline const QString FiltroProyecto = QStringLiteral("Proyecto MRP (*.mrp)");
inline const QString ExtensionProyecto = QStringLiteral("mrp");
inline const QString FormatoProyecto = QStringLiteral("quelmar-proyecto-mrp");
inline constexpr int VersionProyecto = 1;

// A file named *.mrp, in any case; anything else is opened as a .lot problem.
bool EsFicheroProyecto(const QString& ruta);

// The project shipped as an example: a table, its top, its legs and the legs' wood bars.
inline const QString RutaEjemploProyecto = QStringLiteral(":/ejemplos/mesa.mrp");

// The bytes of the file: every key written, every row with N numbers, one item's key a line.
QByteArray TextoProyecto(const Proyecto& proyecto);

// The project in the bytes. A text that does not parse is refused with its line and column; a
// missing or unknown key, a wrong type, a row longer than the horizon or a number that is no
// integer where one is due, naming the item and the key. Throws EFicheroProyecto. Its numbers
// are not checked beyond their types: RechazosProyecto does that.
Proyecto LeerTextoProyecto(const QByteArray& bytes);

// Reads a file. Throws EInOutError and EFicheroProyecto.
Proyecto AbrirProyecto(const QString& ruta);
// Writes it as EscribirFicheroSeguro does. Throws EInOutError.
void GuardarProyecto(const QString& ruta, const Proyecto& proyecto);

// The shipped example, carried inside the program.
Proyecto ProyectoEjemplo();
