// The .sol solution file: the grid as it stands, written as a TAB-separated table.
#include "FicheroSolucion.h"

#include "Ansi.h"
#include "CalculoProblema.h"
#include "Numeros.h"
#include "TextosProblema.h"

namespace {

const QString FinLinea = QStringLiteral("\r\n");
const QChar Tabulador = u'\t';

QString Campo(const QString& texto) {
    return texto.isEmpty() ? QStringLiteral("0") : texto;
}

} // namespace

QByteArray TextoSolucion(const QString& textoNPeriodos, bool verCostes, const TextosCelda& celdas) {
    const std::int32_t n = StrToInt(textoNPeriodos);

    QString texto;
    for (std::int32_t periodo = 1; periodo <= n; ++periodo)
        texto += Tabulador + QString::number(periodo);
    texto += FinLinea;

    const int ultimaFila = verCostes ? FilaCTotal : FilaPPL;
    for (int fila = FilaNB; fila <= ultimaFila; ++fila) {
        const std::int64_t ultimaColumna = UltimaColumnaSolucion(fila, n);
        for (std::int64_t columna = 0; columna < ultimaColumna; ++columna)
            texto += Campo(celdas.Celda(int(columna), fila)) + Tabulador;
        texto += Campo(celdas.Celda(int(ultimaColumna), fila)) + FinLinea;
    }
    return AAnsi(texto);
}

QByteArray TextoSolucion(const ResultadoCalculo& resultado, bool verCostes) {
    return TextoSolucion(QString::number(resultado.Problema.N), verCostes,
                         CeldasDelResultado(resultado));
}

// Only RP and CTotal reach the column after the last period, where the total cost is.
std::int64_t UltimaColumnaSolucion(int fila, std::int32_t n) {
    return (fila == FilaRP || fila == FilaCTotal) ? std::int64_t(n) + 1 : n;
}

QString NombreSolucion(const QString& ficheroProblema) {
    const qsizetype inicioNombre = ficheroProblema.lastIndexOf(u'/') + 1;
    const qsizetype punto = ficheroProblema.lastIndexOf(u'.');
    // A name without an extension keeps its whole text and gains one.
    if (punto < inicioNombre) return ficheroProblema + QStringLiteral(".sol");
    return ficheroProblema.left(punto + 1) + QStringLiteral("sol");
}
