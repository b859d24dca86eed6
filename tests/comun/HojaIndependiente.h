// Spreadsheet files read and written by Python's openpyxl and csv module, which owe nothing to the
// program: what the tests compare its files with.
#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <optional>
#include <vector>

struct CeldaExterna {
    bool numero = false;
    QString texto;    // a text cell's text
    double valor = 0; // a number cell's value, exactly
    QString formato;  // openpyxl's number_format
    bool negrita = false;
};

struct HojaExterna {
    QString nombre;
    QString fijas; // the first cell that scrolls, "B2"; empty when nothing is fixed
    std::map<QString, CeldaExterna> celdas; // by "A1"

    // The cell, or a failure when it is empty.
    const CeldaExterna& En(const QString& celda) const {
        static const CeldaExterna vacia{false, QStringLiteral("<vacía>"), 0, {}, false};
        const auto encontrada = celdas.find(celda);
        if (encontrada == celdas.end()) {
            ADD_FAILURE() << "celda vacía " << celda.toStdString() << " en "
                          << nombre.toStdString();
            return vacia;
        }
        return encontrada->second;
    }
    double Numero(const QString& celda) const {
        const CeldaExterna& c = En(celda);
        EXPECT_TRUE(c.numero) << celda.toStdString() << " holds the text " << c.texto.toStdString();
        return c.valor;
    }
    QString Texto(const QString& celda) const {
        const CeldaExterna& c = En(celda);
        EXPECT_FALSE(c.numero) << celda.toStdString() << " holds a number";
        return c.texto;
    }
};

namespace hoja_independiente {

inline QByteArray Ejecutar(const QStringList& argumentos, const QByteArray& entrada = {}) {
    QProcess python;
    python.start(QStringLiteral(QUELMAR_PYTHON),
                 QStringList{QStringLiteral(QUELMAR_HOJA_INDEPENDIENTE)} + argumentos);
    python.write(entrada);
    python.closeWriteChannel();
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        ADD_FAILURE() << "python: " << python.readAllStandardError().toStdString();
        return {};
    }
    return python.readAllStandardOutput();
}

inline double Valor(const QString& texto) {
    const QByteArray bytes = texto.toLatin1();
    double valor = 0;
    std::from_chars(bytes.constData(), bytes.constData() + bytes.size(), valor);
    return valor;
}

inline std::vector<HojaExterna> Leer(const QByteArray& salida) {
    std::vector<HojaExterna> hojas;
    for (const QByteArray& linea : salida.split('\n')) {
        if (linea.isEmpty()) continue;
        const QJsonObject objeto = QJsonDocument::fromJson(linea).object();
        if (objeto.contains(QStringLiteral("hoja")) || hojas.empty()) {
            hojas.emplace_back();
            hojas.back().nombre = objeto.value(QStringLiteral("hoja")).toString();
            hojas.back().fijas = objeto.value(QStringLiteral("fijas")).toString();
            if (objeto.contains(QStringLiteral("hoja"))) continue;
        }
        CeldaExterna celda;
        celda.numero = objeto.value(QStringLiteral("tipo")).toString() == QStringLiteral("n");
        const QString valor = objeto.value(QStringLiteral("valor")).toString();
        if (celda.numero)
            celda.valor = Valor(valor);
        else
            celda.texto = valor;
        celda.formato = objeto.value(QStringLiteral("formato")).toString();
        celda.negrita = objeto.value(QStringLiteral("negrita")).toBool();
        hojas.back().celdas[objeto.value(QStringLiteral("celda")).toString()] = celda;
    }
    return hojas;
}

} // namespace hoja_independiente

// What an .xlsx keeps of a number: libxlsxwriter writes its 16 significant digits.
inline double ValorEnXlsx(double valor) {
    char texto[32];
    const auto fin =
        std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::general, 16).ptr;
    double leido = 0;
    std::from_chars(texto, fin, leido);
    return leido;
}

// Every sheet of the workbook, as openpyxl reads it.
inline std::vector<HojaExterna> LeerConOpenpyxl(const QString& ruta) {
    return hoja_independiente::Leer(hoja_independiente::Ejecutar({QStringLiteral("xlsx"), ruta}));
}

// The CSV file as the csv module reads it with the separator and decimal separator given.
inline HojaExterna LeerConCsv(const QString& ruta, QChar separador, QChar decimal) {
    std::vector<HojaExterna> hojas = hoja_independiente::Leer(hoja_independiente::Ejecutar(
        {QStringLiteral("csv"), ruta, QString(separador), QString(decimal)}));
    return hojas.empty() ? HojaExterna{} : hojas.front();
}

// A workbook written by openpyxl: its sheet "Datos" holds each cell given ("A1" and its value).
inline void EscribirConOpenpyxl(const QString& ruta,
                                const std::vector<std::pair<QString, QJsonValue>>& celdas) {
    QByteArray entrada;
    for (const auto& [celda, valor] : celdas)
        entrada += QJsonDocument(QJsonObject{{QStringLiteral("celda"), celda},
                                             {QStringLiteral("valor"), valor}})
                       .toJson(QJsonDocument::Compact) +
                   '\n';
    hoja_independiente::Ejecutar({QStringLiteral("escribir"), ruta}, entrada);
}
