// The trace file of a run, one CR LF line per experiment and method.
#include "Traza.h"

#include "AritmeticaComprobada.h"

#include <cstring>

namespace {
constexpr char Cabecera[] = "Exp\tT\tTs\tCe/Cp\tLotificacion\tCoste\r\n";

char* Entero(std::int64_t valor, char* destino) {
    destino += FormatoRapido::Entero(valor, destino);
    *destino++ = '\t';
    return destino;
}
} // namespace

void Traza::Abrir(const QString& ruta) {
    Cerrar();
    prefijo_ = Prefijo{};
    numeroCostes_ = 0;
    fichero_.Abrir(ruta);
    fichero_.Escribir(Cabecera, sizeof Cabecera - 1);
}

const Traza::Coste& Traza::CosteEscrito(double valor) {
    for (std::size_t i = 0; i < numeroCostes_; ++i)
        if (costes_[i].valor == valor) return costes_[i];
    // Beyond six costs (a caller writing more lines per experiment) the last slot is reused.
    Coste& nuevo = costes_[numeroCostes_ < costes_.size() ? numeroCostes_++ : costes_.size() - 1];
    nuevo.valor = valor;
    nuevo.longitud = formato_.General(valor, nuevo.texto);
    return nuevo;
}

void Traza::Linea(std::int32_t k, std::int32_t N, std::int32_t Ts, double Ce, double Cp,
                  std::int32_t metodo, double coste) {
    // Recomputed in extended precision, and written from that value, not from a double.
    const long double cociente = aritmetica::Cociente(Ce, Cp);
    Prefijo& p = prefijo_;
    if (p.longitud == 0 || k != p.k || N != p.N || Ts != p.Ts || cociente != p.cociente) {
        char* fin = Entero(Ts, Entero(N, Entero(k, p.texto)));
        fin += formato_.General(cociente, fin);
        *fin++ = '\t';
        p.longitud = static_cast<std::size_t>(fin - p.texto);
        p.k = k, p.N = N, p.Ts = Ts, p.cociente = cociente;
        numeroCostes_ = 0;
    }
    const Coste& c = CosteEscrito(coste);
    // Digits only, and the separator is one byte: the line is already Windows-1252.
    char linea[192];
    std::memcpy(linea, p.texto, p.longitud);
    char* fin = Entero(metodo, linea + p.longitud);
    std::memcpy(fin, c.texto, c.longitud);
    fin += c.longitud;
    *fin++ = '\r';
    *fin++ = '\n';
    fichero_.Escribir(linea, static_cast<std::size_t>(fin - linea));
}

void Traza::Cerrar() {
    if (fichero_.Abierto()) fichero_.Cerrar();
}
