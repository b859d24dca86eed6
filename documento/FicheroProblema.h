// The .lot problem file: nine lines in Windows-1252 with CR LF ends, six labelled parameter
// lines and the grid rows NB, D and RP of periods 1 to N.
#pragma once

#include "AvisosProblema.h"
#include "TextosCelda.h"
#include "TextosProblema.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// The bytes of the problem. Throws EConvertError when the number of periods is not an integer.
QByteArray TextoProblema(const TextosProblema& problema, const TextosCelda& celdas);

// The lines of a problem file; whatever follows them is never read.
inline constexpr int NumeroLineasProblema = 9;

// A problem file read and converted in full, before anything of the window changes.
struct ProblemaLeido {
    QString NPeriodos, TS, SS, CE, CP; // lines 1 to 5, unchanged but cut as a field cuts them
    std::int32_t Metodo = 0;           // line 6, kept within -1 and the last radio item
    std::int32_t N = 0;                // the number of periods of line 1
    // Row r (0 NB, 1 D, 2 RP): the texts to store in columns 1, 2, ... max(N, 1), where "0"
    // has already become empty. All three are empty for a horizon the grid cannot show, which
    // AbrirProblema refuses.
    std::array<QStringList, 3> filas;
};

// Reads the bytes of a problem file. Throws EConvertError for a line 6 or a line 1 that is not
// an integer (in that order).
ProblemaLeido LeerTextoProblema(const QByteArray& bytes);

// Stores the problem into the fields and cells: lines 1 to 6 into the problem, the rows into
// grid rows 1 to 3. Leaves everything else as it was.
void AplicarProblema(const ProblemaLeido& leido, TextosProblema& problema, TextosCelda& celdas);

// "Abrir", for the window and the command-line tool alike: the whole file read and converted, a
// horizon the grid cannot show refused with its warning (false), then the problem and the cells
// set. Throws EInOutError and EConvertError before anything has changed.
bool AbrirProblema(const QString& ruta, TextosProblema& problema, TextosCelda& celdas,
                   const Avisar& avisar);
