// Where the tool's orders write (standard output, standard error) and the exit statuses they
// end with.
#pragma once

#include <QByteArray>
#include <QString>

#include <ostream>

enum EstadoSalida : int {
    SalidaHecho = 0,
    SalidaAviso = 1, // a warning refused the order; its text is on standard error
    SalidaError = 2, // a failure ended the order; the platform's message is on standard error
    SalidaUso = 64,  // the command line names no valid order
};

struct Consola {
    std::ostream& salida;
    std::ostream& errores;
    bool mostrarProgreso = false; // a percentage on errores, for a terminal
};

// The text in the locale's encoding, then a line end.
void EscribirLinea(std::ostream& destino, const QString& texto);
// The bytes unchanged: a file's contents sent to standard output.
void EscribirBytes(std::ostream& destino, const QByteArray& bytes);
// Flushes the stream; one that lost output throws EInOutError, so that a solution or a report
// that never arrived is not reported as done.
void Vaciar(std::ostream& destino);
