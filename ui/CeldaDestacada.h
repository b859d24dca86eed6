// How the panels' tables mark the row the calculation chose: bold on a light green, light enough
// for the text to keep the palette's colour.
#pragma once

#include <QColor>
#include <QFont>
#include <QTableWidgetItem>

inline void Destacar(QTableWidgetItem& celda) {
    QFont negrita = celda.font();
    negrita.setBold(true);
    celda.setFont(negrita);
    celda.setBackground(QColor(214, 239, 214));
}
