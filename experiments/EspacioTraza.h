// Refusing, before a run, one whose trace file would not fit in the free space of its disk: the
// estimate and the warning are pure; the free space comes through a seam that tests replace.
#pragma once

#include "ProblemaAleatorio.h"

#include <QString>

#include <cstdint>
#include <optional>

// The bytes a trace of nExp experiments is estimated to take: the header and one line per method
// solved in each experiment (six, seven with the optimum), 50 bytes a line (a line of the
// largest numbers takes about that).
std::uint64_t EstimacionTraza(std::int32_t nExp, bool compararOptimo);
// The same for the run the fields describe; an NExp that does not convert counts as none (the run
// reports it where it meets it).
std::uint64_t EstimacionTraza(const TextosExperimento& textos);

// The warning that refuses a run of nExp experiments whose trace would not fit in `libre` bytes,
// naming both sizes in the user's locale; nothing when it fits.
std::optional<QString> AvisoEspacioTraza(std::int32_t nExp, bool compararOptimo,
                                         std::uint64_t libre);

// The warning for the run the fields describe, with its trace at ficheroTraza; nothing when the
// trace fits, when the free space is unknown or when the number of experiments does not convert
// (the run reports that where it meets it) or is not above 0.
std::optional<QString> ComprobarEspacioTraza(const TextosExperimento& textos,
                                             const QString& ficheroTraza);

// Test seam: how ComprobarEspacioTraza learns the bytes free for the trace (EspacioDisponible).
// Returns the previous function.
using FuncionEspacio = std::optional<std::uint64_t> (*)(const QString& ruta);
FuncionEspacio CambiarFuncionEspacio(FuncionEspacio nueva);
