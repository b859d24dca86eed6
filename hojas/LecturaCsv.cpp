// Reading CSV, and telling a workbook from CSV by its first bytes.
#include "Csv.h"
#include "LecturaHoja.h"

#include "Ansi.h"

#include <QStringDecoder>

namespace {

QString Decodificar(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8(bytes);
    if (!utf8.hasError()) return texto;
    return DesdeAnsi(bytes);
}

} // namespace

TablaLeida LeerCsv(const QByteArray& bytes) {
    const QString texto = Decodificar(bytes);
    const QChar separador = SeparadorCsv();
    TablaLeida tabla;
    std::vector<CeldaLeida> fila;
    QString campo;
    bool citado = false;
    bool hayLinea = false; // something read since the last line end
    const auto cerrarCampo = [&] {
        fila.push_back({campo, std::nullopt});
        campo.clear();
    };
    const auto cerrarLinea = [&] {
        cerrarCampo();
        tabla.push_back(std::move(fila));
        fila.clear();
        hayLinea = false;
    };
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (citado) {
            if (c != u'"') {
                campo += c;
            } else if (i + 1 < texto.size() && texto[i + 1] == u'"') {
                campo += c;
                ++i;
            } else {
                citado = false;
            }
            continue;
        }
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < texto.size() && texto[i + 1] == u'\n') ++i;
            cerrarLinea();
            continue;
        }
        hayLinea = true;
        if (c == separador)
            cerrarCampo();
        else if (c == u'"' && campo.isEmpty())
            citado = true;
        else
            campo += c;
    }
    if (hayLinea || citado || !fila.empty()) cerrarLinea();
    return tabla;
}

HojaLeida LeerPrimeraHoja(const QByteArray& bytes) {
    // Every .xlsx is a zip file, which starts with a local file header.
    if (!bytes.startsWith("PK\x03\x04")) return {LeerCsv(bytes), {}};
    if (std::optional<TablaLeida> tabla = LeerXlsx(bytes)) return {std::move(*tabla), {}};
    return {{}, QStringLiteral("El fichero no es un libro de Excel (.xlsx) que se pueda leer.")};
}

QString NombreColumna(int columna) {
    QString nombre;
    for (int c = columna + 1; c > 0; c = (c - 1) / 26) nombre.prepend(QChar(u'A' + (c - 1) % 26));
    return nombre;
}
