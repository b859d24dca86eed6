// The planning grid's texts and the engine's records: reading the inputs, showing the results,
// and the grid of a new problem. Declared in CalculoProblema.h.
#include "CalculoProblema.h"

#include "Numeros.h"

#include <algorithm>
#include <array>

namespace {

// The grid's columns stop at the records' last entry, so no cell beyond it can hold text that
// matters; bounding the loops keeps an absurd N from running through billions of columns.
std::int32_t ColumnasLeidas(std::int32_t n) {
    return std::min(n, EntradasFila);
}

// Empty cells stand for 0.
double Numero(const QString& texto) {
    return texto.isEmpty() ? 0.0 : StrToFloat(texto);
}

void MostrarFila(const TFilaMRP& fila, int filaRejilla, std::int32_t n, TextosCelda& celdas) {
    const std::int32_t ultima = std::min(n, MaxPeriodos) + 1;
    for (std::int32_t columna = 1; columna <= ultima; ++columna) {
        const double valor = fila[columna];
        celdas.PonerCelda(columna, filaRejilla, valor == 0.0 ? QString() : FloatToStr(valor));
    }
}

} // namespace

bool HayNecesidadBruta(const TextosProblema& problema, const TextosCelda& celdas) {
    const std::int32_t n = ColumnasLeidas(StrToInt(problema.NPeriodos));
    double suma = 0.0;
    for (std::int32_t columna = 1; columna <= n; ++columna)
        suma += Numero(celdas.Celda(columna, FilaNB));
    return suma != 0.0;
}

void LeerTabla(const TextosProblema& problema, const TextosCelda& celdas, bool Manual,
               TTablaMRP& Tabla, TCostesMRP& Costes) {
    Tabla = TTablaMRP{};
    Costes = TCostesMRP{};
    Tabla.D[1] = Numero(celdas.Celda(1, FilaD));
    const std::int32_t n = std::min(StrToInt(problema.NPeriodos), MaxPeriodos);
    for (std::int32_t columna = 1; columna <= n; ++columna) {
        Tabla.NB[columna] = Numero(celdas.Celda(columna, FilaNB));
        Tabla.RP[columna] = Numero(celdas.Celda(columna, FilaRP));
        if (Manual) Tabla.PPL[columna] = Numero(celdas.Celda(columna, FilaPPL));
    }
}

void MostrarTabla(const TextosProblema& problema, const TTablaMRP& Tabla, const TCostesMRP& Costes,
                  TextosCelda& celdas) {
    const std::int32_t n = StrToInt(problema.NPeriodos);
    const std::array<const TFilaMRP*, 9> filas = {&Tabla.NB,  &Tabla.D,    &Tabla.RP,
                                                  &Tabla.NN,  &Tabla.RPPL, &Tabla.PPL,
                                                  &Costes.Ce, &Costes.Cp,  &Costes.CTotal};
    // The cost rows are filled also while they are hidden, so that showing them needs no
    // new calculation.
    for (std::size_t i = 0; i < filas.size(); ++i)
        MostrarFila(*filas[i], FilaNB + int(i), n, celdas);
}

TextosCelda CeldasIniciales(int nPeriodos) {
    static const std::array<QString, 9> etiquetas = {
        QStringLiteral("NB"), QStringLiteral("D"),    QStringLiteral("RP"),
        QStringLiteral("NN"), QStringLiteral("RPPL"), QStringLiteral("PPL"),
        QStringLiteral("Ce"), QStringLiteral("Cp"),   QStringLiteral("CTotal")};
    TextosCelda celdas;
    for (std::size_t i = 0; i < etiquetas.size(); ++i)
        celdas.PonerCelda(0, FilaNB + int(i), etiquetas[i]);
    for (int periodo = 1; periodo <= nPeriodos; ++periodo)
        celdas.PonerCelda(periodo, 0, QString::number(periodo));
    return celdas;
}
