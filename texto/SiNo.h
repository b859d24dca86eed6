// A yes or no as the program's documents write it.
#pragma once

#include <QString>

inline QString SiNo(bool valor) {
    return valor ? QStringLiteral("Sí") : QStringLiteral("No");
}
