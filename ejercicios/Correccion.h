// Grading students' solution files against the exact record, one line per file, as quelmar-cli's
// "corregir" prints them.
#pragma once

#include "ResultadoCalculo.h"

#include <QString>

struct LineaCorreccion {
    // TAB-separated: the file, the right cells, the checked cells, the percentage right and the
    // first difference ("ninguna" when there is none), then, when asked, the step that gives the
    // first difference's value; for a file that could not be graded, the file, three empty fields
    // and why.
    QString Texto;
    bool Corregida = false;
};

// Reads the file as a solution of the record's horizon and checks it as "Comprobar mi solución"
// does, the cost rows when the file holds them. A file that cannot be read or is not such a
// solution is reported on its line.
LineaCorreccion CorregirSolucion(const QString& ruta, const ResultadoCalculo& exacto,
                                 double tolerancia, bool conPaso = false);
