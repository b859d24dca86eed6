// Where a calculation met a text that does not convert: a field of the main window or a cell of
// the grid, so that the window can point at it once the error has been shown.
#pragma once

#include "Errores.h"

#include <utility>

struct LugarTexto {
    enum class Campo { Celda, NPeriodos, TS, SS, CE, CP };
    Campo campo = Campo::Celda;
    int columna = 0; // the cell, when campo is Celda
    int fila = 0;
    bool operator==(const LugarTexto&) const = default;
};

// The conversion error as the platform words it, and where its text was: the message, which is
// all the user reads, stays the same.
struct EConvertErrorEn : EConvertError {
    EConvertErrorEn(const EConvertError& error, LugarTexto donde)
        : EConvertError(error), lugar(donde) {}
    LugarTexto lugar;
};

// Runs the conversion; its conversion error leaves with the place of its text.
template <class Conversion> auto ConvertirEn(LugarTexto lugar, Conversion conversion) {
    try {
        return conversion();
    } catch (const EConvertErrorEn&) {
        throw;
    } catch (const EConvertError& error) {
        throw EConvertErrorEn(error, lugar);
    }
}
