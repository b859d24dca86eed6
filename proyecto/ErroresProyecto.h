// The failures of a project that are not the user's refusals: a file that is no project, and the
// engine failing on one item. Their messages are what the user reads, in Spanish.
#pragma once

#include <QString>

#include <exception>
#include <stdexcept>

// A project file that does not parse or does not hold a project: the message says where.
struct EFicheroProyecto : std::runtime_error {
    explicit EFicheroProyecto(const QString& mensaje);
};

// An arithmetic failure of the engine while one item was planned; the message names the item
// and then gives the engine's own.
struct ECalculoArticulo : std::runtime_error {
    ECalculoArticulo(const QString& codigo, const std::exception& causa);
    QString Codigo;
};
