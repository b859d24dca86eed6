// Text files travel in Windows-1252, one byte per character; what it cannot hold is written "?".
#pragma once

#include <QByteArray>
#include <QString>

QByteArray AAnsi(const QString& texto);
QString DesdeAnsi(const QByteArray& bytes);
