// A problem exactly as the main window holds it: the texts of its fields, the method chosen and
// the two check boxes. The grid's cells travel beside it as TextosCelda.
#pragma once

#include <QString>

#include <cstdint>

// Rows of the planning grid.
enum FilaRejilla : int {
    FilaNB = 1,
    FilaD,
    FilaRP,
    FilaNN,
    FilaRPPL,
    FilaPPL,
    FilaCe,
    FilaCp,
    FilaCTotal
};

struct TextosProblema {
    QString NPeriodos = "8";
    QString TS = "1";
    QString SS = "0";
    QString CE = "0";
    QString CP = "0";
    std::int32_t Metodo = 0; // the selected item, -1 when none
    bool VerCostes = true;
    bool Redondear = true;
    bool operator==(const TextosProblema&) const = default;
};
