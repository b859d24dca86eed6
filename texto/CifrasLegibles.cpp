// Rounded numbers for reading.
#include "CifrasLegibles.h"

#include "EscrituraCifras.h"
#include "Numeros.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

// The integer digits the fixed form keeps before the general format takes over, as FloatToStr.
constexpr int CifrasEnteras = 15;

} // namespace

QString CifraLegible(double valor, int decimales) {
    if (decimales == DecimalesExactos || !std::isfinite(valor)) return FloatToStr(valor);
    decimales = std::clamp(decimales, MinimoDecimalesLegibles, MaximoDecimalesLegibles);
    CifrasFijas cifras = EscribirFijo(valor, decimales);
    if (int(cifras.entera.size()) > CifrasEnteras) return FormatoGeneral(valor, CifrasEnteras);
    while (!cifras.fraccion.empty() && cifras.fraccion.back() == '0') cifras.fraccion.pop_back();
    QString texto = QString::fromLatin1(cifras.negativo ? "-" : "") +
                    QString::fromLatin1(cifras.entera.data(), qsizetype(cifras.entera.size()));
    if (!cifras.fraccion.empty())
        texto += QLocale().decimalPoint() +
                 QString::fromLatin1(cifras.fraccion.data(), qsizetype(cifras.fraccion.size()));
    return texto;
}

bool CifraRedondeada(double valor, int decimales) {
    return decimales != DecimalesExactos && CifraLegible(valor, decimales) != FloatToStr(valor);
}
