// "resolver": a problem file opened, calculated and saved as its solution, as the main window
// does it on a fresh start with "Abrir", "Calcular" and "Guardar solución".
#pragma once

#include "Argumentos.h"
#include "ArticuloDeTextos.h"
#include "Consola.h"
#include "ResultadoCalculo.h"

#include <optional>

// The file's item calculated with its method, or the one the options give. Nothing when a
// warning refused it; the warnings reach avisar in order.
std::optional<ResultadoCalculo>
CalcularFichero(const QString& ruta, const OpcionesFichero& opciones, const Avisar& avisar);

// Announces on consola.errores the method the calculation used; nothing when no method was
// selected and nothing was planned. A notice that cannot be written is not a failure of the order.
void AnunciarMetodo(const ResultadoCalculo& resultado, const Consola& consola);

// Warnings go to consola.errores and give SalidaAviso; conversion, arithmetic and file failures
// throw with the platform's message. On success the method used is announced on consola.errores.
// With explicar, standard output takes the explanation as TAB-separated lines, and the solution
// is written only to its file.
EstadoSalida Resolver(const OrdenResolver& orden, const Consola& consola);
