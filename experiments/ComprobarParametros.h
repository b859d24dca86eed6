// The warnings that refuse experiment fields before a run, shared by the check that runs first
// and by the drawing of a problem, which must never write outside the table.
#pragma once

#include "ProblemaAleatorio.h"

#include <QString>

#include <cstdint>
#include <optional>

// A bound that did not convert is left out (std::nullopt): the run reports it where it meets it.
std::optional<QString> AvisoRangoPeriodos(std::optional<std::int32_t> npMin,
                                          std::optional<std::int32_t> npMax);

// Before a run: the warning that refuses the fields that could only make the run write outside
// the table or end early, naming the field; nothing when the run may start. Fields that do not
// convert are left to the run, which reports them where it meets them.
std::optional<QString> ComprobarParametros(const TextosExperimento& textos);
