// Readable failures for Qt strings, and the lines of a trace file as written on disk.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& texto, std::ostream* salida) {
    *salida << '"' << texto.toStdString() << '"';
}

// The lines of the file, each of which must end with CR LF; a missing one fails the split.
inline QStringList LineasFichero(const QString& ruta) {
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly)) return {QStringLiteral("<sin fichero>")};
    const QByteArray bytes = fichero.readAll();
    QStringList lineas = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    if (lineas.takeLast() != QString()) lineas << QStringLiteral("<línea sin CR LF>");
    return lineas;
}
