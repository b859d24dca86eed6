// For problems that must pass without a warning: any warning fails the test that raised it.
#pragma once

#include "AvisosProblema.h"

#include <gtest/gtest.h>

inline const Avisar SinAvisos = [](const QString& aviso) { ADD_FAILURE() << aviso.toStdString(); };
