// The platform's errors: conversion of text to numbers and file input/output. Their messages are
// the texts the user sees in the error box.
#pragma once

#include <QString>

#include <exception>
#include <stdexcept>

// A text that does not convert to a number. The message is kept whole: a field or a cell read
// from a file can hold a NUL character, where what() would end.
struct EConvertError : std::runtime_error {
    explicit EConvertError(const QString& texto);
    QString mensaje;
};

// A file that cannot be created, opened, read or written. The message follows the system's
// error code: "File not found", "File access denied", "Disk full" or "I/O error %d".
struct EInOutError : std::runtime_error {
    explicit EInOutError(int codigoErrno);
    int codigo;
};

// The message for a system error code (errno).
QString MensajeErrorEntradaSalida(int codigoErrno);

// The message the user reads for any error, whole.
QString MensajeError(const std::exception& error);

// The offending text as a message quotes it: its first 200 characters and then "…" when it is
// longer, so that a huge text cannot make the error box unusable.
QString TextoEnMensaje(const QString& texto);
