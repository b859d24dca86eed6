// The platform's errors: conversion of text to numbers and file input/output. Their messages are
// the texts the user sees in the error box.
#pragma once

#include <QString>

#include <stdexcept>

// A text that does not convert to a number.
struct EConvertError : std::runtime_error {
    explicit EConvertError(const QString& mensaje);
};

// A file that cannot be created, opened, read or written. The message follows the system's
// error code: "File not found", "File access denied", "Disk full" or "I/O error %d".
struct EInOutError : std::runtime_error {
    explicit EInOutError(int codigoErrno);
    int codigo;
};

// The message for a system error code (errno).
QString MensajeErrorEntradaSalida(int codigoErrno);
