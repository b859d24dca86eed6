// The first line of an experiments report holds a measured time: its form is checked, never its
// value, which depends on how fast and how busy the machine is.
#pragma once

#include <QRegularExpression>
#include <QString>

// "Nº de experimentos: <experimentos> Tiempo requerido: <digits><separator><two digits> segundos".
inline bool EsLineaDeTiempo(const QString& linea, const QString& experimentos,
                            QChar separador = u',') {
    const QRegularExpression forma(
        QStringLiteral("^Nº de experimentos: %1 Tiempo requerido: \\d+%2\\d\\d segundos$")
            .arg(QRegularExpression::escape(experimentos),
                 QRegularExpression::escape(QString(separador))));
    return forma.match(linea).hasMatch();
}
