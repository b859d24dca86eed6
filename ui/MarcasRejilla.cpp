// The grid's marks of a calculation.
#include "MarcasRejilla.h"

#include "TextosProblema.h"

namespace {

const QColor TextoDesactualizado(128, 128, 128);
const QColor FondoDesactualizado(236, 236, 236);
const QString NotaDesactualizada =
    QStringLiteral("Resultado de los datos anteriores: vuelva a calcular.");

} // namespace

MarcasCeldas MarcasRoturas(const std::vector<RoturaPeriodo>& roturas) {
    MarcasCeldas marcas;
    for (const RoturaPeriodo& rotura : roturas) {
        const MarcaCelda marca{ColorRotura, {}, NotaRotura(rotura)};
        marcas.insert(QPoint(rotura.Periodo + 1, FilaD), marca);
        marcas.insert(QPoint(rotura.Periodo, FilaCp), marca);
    }
    return marcas;
}

MarcasCeldas MarcasDesactualizadas(const ResultadoCalculo& calculo) {
    MarcasCeldas marcas;
    const MarcaCelda marca{TextoDesactualizado, FondoDesactualizado, NotaDesactualizada};
    const int N = calculo.Problema.N;
    for (int columna = 2; columna <= N + 1; ++columna) marcas.insert(QPoint(columna, FilaD), marca);
    for (int fila = FilaNN; fila <= FilaCTotal; ++fila) {
        if (fila == FilaPPL && calculo.Tipo == TipoCalculo::Manual) continue;
        for (int columna = 1; columna <= N + 1; ++columna)
            marcas.insert(QPoint(columna, fila), marca);
    }
    return marcas;
}
