// The trace file of a run: a header line, then one line per experiment and method, written
// through a buffer with numbers formatted without locale lookups.
#pragma once

#include "Ficheros.h"
#include "Numeros.h"

#include <QString>

#include <cstdint>

class Traza {
public:
    // Empties or creates the file and writes the header line.
    void Abrir(const QString& ruta);
    // One line: experiment, periods, lead time, Ce / Cp, method, cost.
    void Linea(std::int32_t k, std::int32_t N, std::int32_t Ts, double Ce, double Cp,
               std::int32_t metodo, double coste);
    void Cerrar();
    bool Abierta() const { return fichero_.Abierto(); }

private:
    SalidaFichero fichero_;
    FormatoRapido formato_;
};
