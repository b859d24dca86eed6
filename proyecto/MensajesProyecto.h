// What the project window's status bar says a command did.
#pragma once

#include "ExplosionProyecto.h"
#include "ValidacionProyecto.h"

#include <QString>

QString MensajeProyectoNuevo();
QString MensajeProyectoAbierto(const QString& fichero);
QString MensajeEjemploAbierto();
QString MensajeProyectoGuardado(const QString& fichero);
// A one-item project made of the main window's problem.
QString MensajeProyectoDeProblema(const QString& codigo);
// How many items on how many levels, and what the project costs.
QString MensajeProyectoCalculado(const ResultadoProyecto& resultado);

// Why "Calcular" refused the project: its refusals one a line, the first ones when they are many.
QString TextoRechazosProyecto(const std::vector<RechazoProyecto>& rechazos);

// An edit, as done, undone or done again: "Hecho: quitar el artículo «PATA»".
enum class Sentido { Hecho, Deshecho, Rehecho };
QString MensajeEdicion(Sentido sentido, const QString& edicion);

// Why a typed cell of the record keeps its text.
QString MensajeCeldaCalculada();
// The record shown belongs to the project before its last edits.
QString MensajeResultadoAnterior();
// Why the record is empty.
QString MensajeSinCalcular();
