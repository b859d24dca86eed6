// The whole tool behind main(): the command line read, the order run, every failure turned into
// its message and exit status.
#pragma once

#include "Consola.h"

#include <QCoreApplication>
#include <QStringList>

#include <memory>

// The arguments are those after the program's name. Returns the exit status.
int EjecutarPrograma(const QStringList& argumentos, const Consola& consola);

// The application an order needs, made before anything else of Qt: "informe", "ejercicios" and
// "explotar" with a report paint charts and PDFs, which need a whole application, on the offscreen
// platform that needs no display; every other order keeps to the core application.
std::unique_ptr<QCoreApplication> CrearAplicacion(int& argc, char** argv);
