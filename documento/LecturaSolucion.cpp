// Reading a .sol file back, line by line, against the layout TextoSolucion writes.
#include "LecturaSolucion.h"

#include "Ansi.h"
#include "FicheroSolucion.h"
#include "RegistroTextos.h"
#include "TextosProblema.h"

#include <QStringList>

namespace {

const QString NoEsSolucion = QStringLiteral("no es un fichero de solución: ");

QStringList Lineas(const QByteArray& bytes) {
    QStringList lineas = DesdeAnsi(bytes).split(u'\n');
    if (!lineas.isEmpty() && lineas.last().isEmpty()) lineas.removeLast();
    for (QString& linea : lineas)
        if (linea.endsWith(u'\r')) linea.chop(1);
    return lineas;
}

// The number of periods a header line numbers, 1 to its last in order; -1 when it numbers none.
int PeriodosNumerados(const QString& cabecera) {
    if (cabecera.isEmpty()) return 0;
    const QStringList campos = cabecera.split(u'\t');
    if (!campos.first().isEmpty()) return -1;
    for (qsizetype i = 1; i < campos.size(); ++i)
        if (campos[i] != QString::number(i)) return -1;
    return int(campos.size()) - 1;
}

} // namespace

SolucionLeida LeerTextoSolucion(const QByteArray& bytes, std::int32_t N) {
    SolucionLeida leida;
    const QStringList lineas = Lineas(bytes);
    const int filas = int(lineas.size()) - 1;
    if (filas != FilasRegistro && filas != FilasRegistroSinCostes) {
        const QString cuantas = lineas.size() == 1 ? QStringLiteral("1 línea")
                                                   : QStringLiteral("%1 líneas").arg(lineas.size());
        leida.Rechazo = NoEsSolucion + QStringLiteral("tiene %1, no %2 ni %3")
                                           .arg(cuantas)
                                           .arg(FilasRegistroSinCostes + 1)
                                           .arg(FilasRegistro + 1);
        return leida;
    }
    const int periodos = PeriodosNumerados(lineas.first());
    if (periodos < 0) {
        leida.Rechazo = NoEsSolucion + QStringLiteral("la primera línea no numera los períodos");
        return leida;
    }
    if (periodos != N) {
        leida.Rechazo = QStringLiteral("es la solución de un problema de %1 períodos, no de %2")
                            .arg(periodos)
                            .arg(N);
        return leida;
    }
    for (int fila = FilaNB; fila <= filas; ++fila) {
        const QString& etiqueta = EtiquetasRegistro()[std::size_t(fila) - 1];
        const QStringList campos = lineas[fila].split(u'\t');
        if (campos.first() != etiqueta) {
            leida.Rechazo =
                NoEsSolucion +
                QStringLiteral("la línea %1 no es la fila «%2»").arg(fila + 1).arg(etiqueta);
            return leida;
        }
        const std::int64_t valores = UltimaColumnaSolucion(fila, N);
        if (campos.size() - 1 != valores) {
            leida.Rechazo = NoEsSolucion + QStringLiteral("la fila «%1» tiene %2 valores, no %3")
                                               .arg(etiqueta)
                                               .arg(campos.size() - 1)
                                               .arg(valores);
            return leida;
        }
        for (qsizetype columna = 0; columna < campos.size(); ++columna)
            leida.Celdas.PonerCelda(int(columna), fila, campos[columna]);
    }
    leida.ConCostes = filas == FilasRegistro;
    return leida;
}
