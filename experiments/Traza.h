// The trace file of a run: a header line, then one line per experiment and method, written
// through a buffer with numbers formatted without locale lookups.
#pragma once

#include "Ficheros.h"
#include "Numeros.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

class Traza {
public:
    // Empties or creates the file and writes the header line.
    void Abrir(const QString& ruta);
    // One line: experiment, periods, lead time, Ce / Cp, method, cost. A Cp of 0 throws the
    // engine's division errors, as the quotient does.
    void Linea(std::int32_t k, std::int32_t N, std::int32_t Ts, double Ce, double Cp,
               std::int32_t metodo, double coste);
    // Writes what is buffered and closes, reporting a failure. A trace destroyed while open is
    // closed the same way without reporting, so a failed run leaves its lines on disk.
    void Cerrar();
    bool Abierta() const { return fichero_.Abierto(); }

private:
    // Formatting a real costs more than everything else in a line, so what the lines of one
    // experiment share is written once: the first four columns, and the cost of methods that tie.
    struct Prefijo {
        std::int32_t k = 0, N = 0, Ts = 0;
        double Ce = 0, Cp = 0;
        std::size_t longitud = 0; // 0: none written yet
        char texto[128] = {};
    };
    struct Coste {
        double valor = 0;
        std::size_t longitud = 0;
        char texto[40] = {}; // 32 for the number, room for copies in whole words
    };
    const Coste& CosteEscrito(double valor);

    SalidaFichero fichero_;
    FormatoRapido formato_;
    Prefijo prefijo_;
    std::array<Coste, 8> costes_{}; // those of the current experiment
    std::size_t numeroCostes_ = 0;
};
