// The planning grid's texts and the engine's records: the inputs read as numbers, the records
// written back as texts, and the grid of a new problem.
#pragma once

#include "LotificaUnit.h"
#include "TextosCelda.h"

#include <QString>

#include <cstdint>

// The first texts every calculation converts: N, then the gross requirements of periods 1 to N.
struct NecesidadesBrutas {
    std::int32_t N = 0;
    // Entries 1 to N; a grid of more periods than the records hold is summed as far as the grid
    // can show columns (entry 100), and refused afterwards.
    TFilaMRP NB;
    bool HayNecesidadBruta = false; // of those entries
};

// The window's check of a problem's gross requirements: their sum over periods 1 to `periodos`, in
// period order, is not exactly 0 (requirements that cancel out count as none).
bool HayNecesidadBruta(const TFilaMRP& NB, std::int32_t periodos);

// Converts N and the NB cells, in that order. Throws EConvertError at the first text that does
// not convert.
NecesidadesBrutas LeerNecesidadesBrutas(const QString& textoNPeriodos, const TextosCelda& celdas);

// Fills Tabla from the grid, for a horizon already found calculable: the converted NB, then D of
// period 1 and, period by period, RP and (when Manual) PPL; everything else 0.
void LeerTabla(const TextosCelda& celdas, const NecesidadesBrutas& necesidades, bool Manual,
               TTablaMRP& Tabla);

// Writes both records into grid rows 1 to 9, columns 1 to N + 1; exactly 0 gives an empty cell.
void MostrarTabla(std::int32_t NPeriodos, const TTablaMRP& Tabla, const TCostesMRP& Costes,
                  TextosCelda& celdas);

// The cells of a new problem: the row labels and the period numbers 1 to N of the grid that
// Inicializar leaves, everything else empty.
TextosCelda CeldasIniciales(int nPeriodos);
