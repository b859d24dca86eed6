// The comparison's rows written as texts.
#include "TextosComparacion.h"

#include "Numeros.h"
#include "TextosLotificacion.h"

namespace {

// A percentage to one decimal: enough to rank the methods, short enough to read at a glance.
QString Porcentaje(double valor) {
    return FormatoFijo(valor, 15, 1);
}

} // namespace

QStringList CabeceraComparacion() {
    return {QStringLiteral("Método"),           QStringLiteral("Coste total"),
            QStringLiteral("Coste de emisión"), QStringLiteral("Coste de posesión"),
            QStringLiteral("Pedidos"),          QStringLiteral("% sobre el óptimo")};
}

std::vector<TextosFilaComparacion> TextosComparacion(const ComparacionMetodos& comparacion) {
    std::vector<TextosFilaComparacion> filas;
    for (const FilaComparacion& fila : comparacion.Filas) {
        TextosFilaComparacion textos;
        textos.Metodo = fila.Metodo;
        textos.MasBarato = fila.MasBarato;
        textos.Celdas << (fila.Metodo == CodigoPlanManual ? QStringLiteral("Plan manual")
                                                          : TextoLotificacion(fila.Metodo));
        if (fila.Fallo.empty()) {
            textos.Celdas << FloatToStr(fila.CosteTotal) << FloatToStr(fila.CosteEmision)
                          << FloatToStr(fila.CostePosesion) << QString::number(fila.Pedidos)
                          << (fila.SobreOptimo ? Porcentaje(*fila.SobreOptimo) : QString());
        } else {
            textos.Celdas << QString::fromStdString(fila.Fallo) << QString() << QString()
                          << QString() << QString();
        }
        filas.push_back(std::move(textos));
    }
    return filas;
}
