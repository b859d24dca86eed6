// The trace file of a run: a header line, then one line per experiment and method. The lines of
// an experiment are made apart from the file, by whichever thread solved it, with numbers
// formatted without locale lookups; the file takes them in order, through a buffer.
#pragma once

#include "Ficheros.h"
#include "Numeros.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

class LineasTraza {
public:
    // Bytes one line may take, with room for the copies in whole words that make it.
    static constexpr std::size_t PorLinea = 96;

    // Writes at destino, which has room for PorLinea bytes a method, the lines of one experiment,
    // one per method: experiment, periods, lead time, Ce / Cp, metodos[i], costes[i]; returns
    // the bytes written. The quotient Ce / Cp throws the engine's division errors with a Cp of
    // 0, before any line is written; with no methods nothing is computed. N and Ts are those of a
    // problem the engine could solve.
    std::size_t Escribir(std::int32_t k, std::int32_t N, std::int32_t Ts, double Ce, double Cp,
                         std::span<const std::int32_t> metodos, const double* costes,
                         char* destino) const;

private:
    FormatoRapido formato_;
};

// A trace file that another run is writing: refused before anything of it changes.
struct ETrazaOcupada : std::runtime_error {
    explicit ETrazaOcupada(const QString& ruta);
};

class Traza {
public:
    // Takes the file for this run alone, with room for `reserva` bytes, and writes the header
    // line over whatever it held. Throws ETrazaOcupada, or the platform's error where the room
    // cannot be reserved, with the file untouched.
    void Abrir(const QString& ruta, std::uint64_t reserva);
    // Lines made by LineasTraza.
    void Escribir(const char* lineas, std::size_t n) { fichero_.Escribir(lineas, n); }
    // Writes what is buffered, cuts the file after the last line and closes, reporting a
    // failure. A trace destroyed while open is closed the same way without reporting, so a
    // failed run leaves its lines on disk.
    void Cerrar();
    bool Abierta() const { return fichero_.Abierto(); }

private:
    SalidaFichero fichero_;
};
