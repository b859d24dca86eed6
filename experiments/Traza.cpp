// The trace file of a run, one CR LF line per experiment and method.
#include "Traza.h"

#include "AritmeticaComprobada.h"
#include "Errores.h"
#include "MetodosLotificacion.h"

#include <cstddef>
#include <cstring>
#include <stdexcept>

namespace {
constexpr char Cabecera[] = "Exp\tT\tTs\tCe/Cp\tLotificacion\tCoste\r\n";

// The number and a tab; the method codes and most lead times are one digit.
char* Entero(std::int64_t valor, char* destino) {
    if (valor >= 0 && valor < 10)
        *destino++ = static_cast<char>('0' + valor);
    else
        destino += FormatoRapido::Entero(valor, destino);
    *destino++ = '\t';
    return destino;
}
// Copies n bytes eight at a time, which is cheaper than a call for the few bytes of a field: up to
// seven bytes past them are read from the source's room and written into the destination's.
char* EnPalabras(const char* origen, std::size_t n, char* destino) {
    for (std::size_t i = 0; i < n; i += 8) std::memcpy(destino + i, origen + i, 8);
    return destino + n;
}

} // namespace

ETrazaOcupada::ETrazaOcupada(const QString& ruta)
    : std::runtime_error(
          QStringLiteral("El fichero de seguimiento «%1» lo está escribiendo otra ejecución.")
              .arg(TextoEnMensaje(ruta))
              .toStdString()) {}

void Traza::Abrir(const QString& ruta, std::uint64_t reserva) {
    Cerrar();
    if (!fichero_.Abrir(ruta, reserva)) throw ETrazaOcupada(ruta);
    fichero_.Escribir(Cabecera, sizeof Cabecera - 1);
}

// Formatting a real costs more than everything else in a line, so what the lines of one
// experiment share is written once: the first four columns, and the cost of methods that tie.
// Digits only, and separators of one byte: the lines are already Windows-1252.
std::size_t LineasTraza::Escribir(std::int32_t k, std::int32_t N, std::int32_t Ts, double Ce,
                                  double Cp, std::span<const std::int32_t> metodos,
                                  const double* costes, char* destino) const {
    if (metodos.empty()) return 0;
    // Recomputed in extended precision, and written from that value, not from a double.
    const long double cociente = aritmetica::Cociente(Ce, Cp);
    if (metodos.size() > MetodosLotificacion.size())
        throw std::invalid_argument("LineasTraza::Escribir: más métodos que los de la tabla");
    // The first line's own columns are the prefix the others copy: read back at once from a
    // buffer of its own, a prefix just written in pieces would wait for every piece to be stored.
    char* fin = Entero(Ts, Entero(N, Entero(k, destino)));
    fin += formato_.General(cociente, fin);
    *fin++ = '\t';
    const auto largoPrefijo = static_cast<std::size_t>(fin - destino);

    char* p = destino;
    const char* textoCoste[MetodosLotificacion.size()];
    std::size_t largoCoste[MetodosLotificacion.size()];
    for (std::size_t i = 0; i < metodos.size(); ++i) {
        p = Entero(metodos[i], i == 0 ? fin : EnPalabras(destino, largoPrefijo, p));
        std::size_t igual = 0;
        while (igual < i && costes[igual] != costes[i]) ++igual;
        textoCoste[i] = p;
        if (igual < i) {
            largoCoste[i] = largoCoste[igual];
            EnPalabras(textoCoste[igual], largoCoste[i], p);
        } else {
            largoCoste[i] = formato_.General(costes[i], p);
        }
        p += largoCoste[i];
        std::memcpy(p, "\r\n", 2);
        p += 2;
    }
    return static_cast<std::size_t>(p - destino);
}

void Traza::Cerrar() {
    if (fichero_.Abierto()) fichero_.Cerrar();
}
