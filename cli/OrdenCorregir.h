// "corregir": students' solution files graded against a problem file, cell by cell as "Comprobar
// mi solución" checks a record in the window.
#pragma once

#include "Argumentos.h"
#include "Consola.h"

// The problem is calculated as "resolver" calculates it; a warning that refuses it goes to
// consola.errores and gives SalidaAviso. Then one line per solution file on consola.salida, in
// the order given. SalidaHecho when every file was graded; SalidaAviso when some could not be
// read or was not a solution of the problem's horizon, which its line says.
EstadoSalida Corregir(const OrdenCorregir& orden, const Consola& consola);
