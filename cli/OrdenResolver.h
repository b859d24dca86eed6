// "resolver": a problem file opened, calculated and saved as its solution, as the main window
// does it on a fresh start with "Abrir", "Calcular" and "Guardar solución".
#pragma once

#include "Argumentos.h"
#include "AvisosProblema.h"
#include "CalculoProblema.h"
#include "Consola.h"

#include <optional>

// "Abrir" and "Calcular" on a fresh main window, with the method metodo when given in place of
// the file's. Nothing when a warning refused it; the warnings reach avisar in order.
std::optional<ResultadoCalculo> CalcularFichero(const QString& ruta,
                                                std::optional<TipoLotificacion> metodo,
                                                TextosProblema& problema, TextosCelda& celdas,
                                                const Avisar& avisar);

// Warnings go to consola.errores and give SalidaAviso; conversion, arithmetic and file failures
// throw with the platform's message. On success the method used is announced on consola.errores.
EstadoSalida Resolver(const OrdenResolver& orden, const Consola& consola);
