// The captions of the main window's fields, as the documents made from a problem name its data.
#pragma once

#include <QString>

inline const QString RotuloNPeriodos = QStringLiteral("Nº períodos:");
inline const QString RotuloTS = QStringLiteral("Tiempo de suministro:");
inline const QString RotuloSS = QStringLiteral("Stock de seguridad:");
inline const QString RotuloCE = QStringLiteral("Coste de emisión:");
inline const QString RotuloCP = QStringLiteral("Coste de posesión:");
inline const QString RotuloLotificacion = QStringLiteral("Lotificación:");
inline const QString RotuloRedondear = QStringLiteral("Redondear:");
