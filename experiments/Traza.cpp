// The trace file of a run, one CR LF line per experiment and method.
#include "Traza.h"

#include "AritmeticaComprobada.h"

#include <cstring>

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
// seven bytes past them are read from the source's room and written into the file's slack.
char* EnPalabras(const char* origen, std::size_t n, char* destino) {
    static_assert(SalidaFichero::Holgura >= 8);
    for (std::size_t i = 0; i < n; i += 8) std::memcpy(destino + i, origen + i, 8);
    return destino + n;
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
    // Beyond the slots (a caller writing more lines per experiment) the last one is reused.
    Coste& nuevo = costes_[numeroCostes_ < costes_.size() ? numeroCostes_++ : costes_.size() - 1];
    nuevo.valor = valor;
    nuevo.longitud = formato_.General(valor, nuevo.texto);
    return nuevo;
}

void Traza::Linea(std::int32_t k, std::int32_t N, std::int32_t Ts, double Ce, double Cp,
                  std::int32_t metodo, double coste) {
    Prefijo& p = prefijo_;
    if (p.longitud == 0 || k != p.k || N != p.N || Ts != p.Ts || Ce != p.Ce || Cp != p.Cp) {
        // Recomputed in extended precision, and written from that value, not from a double.
        const long double cociente = aritmetica::Cociente(Ce, Cp);
        char* fin = Entero(Ts, Entero(N, Entero(k, p.texto)));
        fin += formato_.General(cociente, fin);
        *fin++ = '\t';
        p.longitud = static_cast<std::size_t>(fin - p.texto);
        p.k = k, p.N = N, p.Ts = Ts, p.Ce = Ce, p.Cp = Cp;
        numeroCostes_ = 0;
    }
    const Coste& c = CosteEscrito(coste);
    // Digits only, and the separator is one byte: the line is already Windows-1252.
    char codigo[32];
    const std::size_t largoCodigo = static_cast<std::size_t>(Entero(metodo, codigo) - codigo);
    char* destino = fichero_.Espacio(p.longitud + largoCodigo + c.longitud + 2);
    destino = EnPalabras(p.texto, p.longitud, destino);
    destino = EnPalabras(codigo, largoCodigo, destino);
    destino = EnPalabras(c.texto, c.longitud, destino);
    std::memcpy(destino, "\r\n", 2);
}

void Traza::Cerrar() {
    if (fichero_.Abierto()) fichero_.Cerrar();
}
