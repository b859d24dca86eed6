// The whole tool behind main(): the command line read, the order run, every failure turned into
// its message and exit status.
#pragma once

#include "Consola.h"

#include <QStringList>

// The arguments are those after the program's name. Returns the exit status.
int EjecutarPrograma(const QStringList& argumentos, const Consola& consola);
