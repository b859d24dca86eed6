// "importar": gross requirements read from a spreadsheet into a problem file.
#pragma once

#include "Argumentos.h"
#include "Consola.h"

EstadoSalida Importar(const OrdenImportar& orden, const Consola& consola);
