// Tab stops that line up the columns of TAB-separated lines, whatever the width of their texts.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The position of every tab stop the lines use: each stop lies the gap past the widest text
// before it in its column. A line without a TAB is no table row and does not count.
QList<qreal> PosicionesTabulacion(const QStringList& lineas,
                                  const std::function<qreal(const QString&)>& ancho,
                                  qreal separacion);
