// A sheet of exercises written into a folder, by quelmar-cli's "ejercicios" and the window's
// "Generar hoja de ejercicios...": every problem as a .lot file, the statements and the solutions
// as PDF documents.
#pragma once

#include "OpcionesEjercicios.h"

#include <QString>
#include <QStringList>

#include <cstdint>

inline const QString FicheroEnunciados = QStringLiteral("enunciados.pdf");
inline const QString FicheroSoluciones = QStringLiteral("soluciones.pdf");

inline const QString AvisoCarpetaHoja =
    QStringLiteral("Elija la carpeta de la hoja de ejercicios.");

// The names of the files a sheet of these options writes, in the order it writes them.
QStringList FicherosHoja(const OpcionesEjercicios& opciones);

// Those of them already in the folder, which writing the sheet would replace.
QStringList FicherosQueReemplaza(const OpcionesEjercicios& opciones, const QString& carpeta);

// The question the window asks before it replaces them.
QString PreguntaReemplazarHoja(const QString& carpeta, const QStringList& existentes);

struct HojaEscrita {
    std::uint32_t Semilla = 0; // the options' or, without one, the clock's
    int Ejercicios = 0;
};

// Draws the exercises and writes their files into the folder, made when it is missing; a file of
// the same name is replaced. Throws EInOutError when a file or the folder cannot be written.
HojaEscrita EscribirHoja(const OpcionesEjercicios& opciones, const QString& carpeta);

// What the status bar says of a sheet written.
QString MensajeHojaEscrita(const HojaEscrita& hoja, const QString& carpeta);
