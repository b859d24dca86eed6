// "resolver": a problem file opened, calculated and saved as its solution, as the main window
// does it on a fresh start with "Abrir", "Calcular" and "Guardar solución".
#pragma once

#include "Argumentos.h"
#include "Consola.h"

// Warnings go to consola.errores and give SalidaAviso; conversion, arithmetic and file failures
// throw with the platform's message. On success the method used is announced on consola.errores.
EstadoSalida Resolver(const OrdenResolver& orden, const Consola& consola);
