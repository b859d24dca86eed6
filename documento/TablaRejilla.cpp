// The planning grid's texts and the engine's records, in both directions.
#include "TablaRejilla.h"

#include "LugarTexto.h"
#include "Numeros.h"
#include "RegistroTextos.h"
#include "TextosProblema.h"

#include <algorithm>
#include <array>

namespace {

// Empty cells stand for 0.
double Numero(const TextosCelda& celdas, int columna, int fila) {
    const QString texto = celdas.Celda(columna, fila);
    if (texto.isEmpty()) return 0.0;
    return ConvertirEn({LugarTexto::Campo::Celda, columna, fila},
                       [&] { return StrToFloat(texto); });
}

void MostrarFila(const TFilaMRP& fila, int filaRejilla, std::int32_t n, TextosCelda& celdas) {
    for (std::int32_t columna = 1; columna <= n + 1; ++columna)
        celdas.PonerCelda(columna, filaRejilla, TextoEntrada(fila[columna]));
}

} // namespace

NecesidadesBrutas LeerNecesidadesBrutas(const QString& textoNPeriodos, const TextosCelda& celdas) {
    NecesidadesBrutas leidas;
    leidas.N =
        ConvertirEn({LugarTexto::Campo::NPeriodos}, [&] { return StrToInt(textoNPeriodos); });
    // The grid shows no column beyond the records' last entry, so no text beyond it matters;
    // bounding the loop keeps an absurd N from running through billions of columns.
    const std::int32_t columnas = std::min(leidas.N, EntradasFila);
    for (std::int32_t columna = 1; columna <= columnas; ++columna)
        leidas.NB[columna] = Numero(celdas, columna, FilaNB);
    leidas.HayNecesidadBruta = HayNecesidadBruta(leidas.NB, columnas);
    return leidas;
}

bool HayNecesidadBruta(const TFilaMRP& NB, std::int32_t periodos) {
    double suma = 0.0;
    for (std::int32_t periodo = 1; periodo <= periodos; ++periodo) suma += NB[periodo];
    return suma != 0.0;
}

void LeerTabla(const TextosCelda& celdas, const NecesidadesBrutas& necesidades, bool Manual,
               TTablaMRP& Tabla) {
    Tabla = TTablaMRP{};
    Tabla.D[1] = Numero(celdas, 1, FilaD);
    const std::int32_t n = std::min(necesidades.N, MaxPeriodos);
    for (std::int32_t columna = 1; columna <= n; ++columna) {
        Tabla.NB[columna] = necesidades.NB[columna];
        Tabla.RP[columna] = Numero(celdas, columna, FilaRP);
        if (Manual) Tabla.PPL[columna] = Numero(celdas, columna, FilaPPL);
    }
}

void MostrarTabla(std::int32_t NPeriodos, const TTablaMRP& Tabla, const TCostesMRP& Costes,
                  TextosCelda& celdas) {
    const std::int32_t n = std::min(NPeriodos, MaxPeriodos);
    const auto filas = FilasDelRegistro(Tabla, Costes);
    // The cost rows are filled also while they are hidden, so that showing them needs no
    // new calculation.
    for (std::size_t i = 0; i < filas.size(); ++i)
        MostrarFila(*filas[i], FilaNB + int(i), n, celdas);
}

TextosCelda CeldasIniciales(int nPeriodos) {
    const auto& etiquetas = EtiquetasRegistro();
    TextosCelda celdas;
    for (std::size_t i = 0; i < etiquetas.size(); ++i)
        celdas.PonerCelda(0, FilaNB + int(i), etiquetas[i]);
    for (int periodo = 1; periodo <= nPeriodos; ++periodo)
        celdas.PonerCelda(periodo, 0, QString::number(periodo));
    return celdas;
}
