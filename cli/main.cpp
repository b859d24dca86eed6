// quelmar-cli: batch solving of problem files and repeatable experiment runs, without windows.
#include "Ficheros.h"
#include "Programa.h"

#include <QCoreApplication>

#include <iostream>

#include <unistd.h>

int main(int argc, char** argv) {
    // The core application gives QLocale() the environment's locale, as the windows have it.
    QCoreApplication aplicacion(argc, argv);
    BorrarTemporalesAlTerminar();
    const Consola consola{std::cout, std::cerr, isatty(STDERR_FILENO) == 1};
    return EjecutarPrograma(QCoreApplication::arguments().mid(1), consola);
}
