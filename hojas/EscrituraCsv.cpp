// Writing a sheet as CSV.
#include "Csv.h"

#include "Numeros.h"

#include <QLocale>

QChar SeparadorCsv() {
    return QLocale().decimalPoint() == QStringLiteral(",") ? u';' : u',';
}

namespace {

QString Campo(const Celda& celda, QChar separador) {
    switch (celda.tipo) {
    case Celda::Tipo::Vacia:
        return {};
    case Celda::Tipo::Numero:
        return FormatoExacto(celda.numero);
    case Celda::Tipo::Texto:
        break;
    }
    const QString& texto = celda.texto;
    if (!texto.contains(separador) && !texto.contains(u'"') && !texto.contains(u'\n') &&
        !texto.contains(u'\r'))
        return texto;
    QString citado = texto;
    citado.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + citado + u'"';
}

} // namespace

QByteArray HojaCsv(const Hoja& hoja) {
    const QChar separador = SeparadorCsv();
    QString texto(QChar(0xFEFF));
    for (const FilaHoja& fila : hoja.filas) {
        for (std::size_t c = 0; c < fila.size(); ++c) {
            if (c > 0) texto += separador;
            texto += Campo(fila[c], separador);
        }
        texto += QStringLiteral("\r\n");
    }
    return texto.toUtf8();
}
