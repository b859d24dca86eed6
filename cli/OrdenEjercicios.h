// "ejercicios": a sheet of exercises written into a folder, as the main window's "Generar hoja de
// ejercicios..." writes it.
#pragma once

#include "Argumentos.h"
#include "Consola.h"

// A refusal of the options goes to consola.errores and gives SalidaAviso; a file that cannot be
// written throws with the platform's message. On success the semilla used is announced on
// consola.errores, so that a sheet drawn from the clock can be drawn again.
EstadoSalida EscribirEjercicios(const OrdenEjercicios& orden, const Consola& consola);
