// The comparison's rows written as texts.
#include "TextosComparacion.h"

#include "Numeros.h"
#include "RoturasCalculo.h"
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

std::vector<TextosFilaComparacion> TextosComparacion(const ComparacionMetodos& comparacion,
                                                     int decimales) {
    std::vector<TextosFilaComparacion> filas;
    for (const FilaComparacion& fila : comparacion.Filas) {
        TextosFilaComparacion textos;
        textos.Metodo = fila.Metodo;
        textos.MasBarato = fila.MasBarato;
        textos.Celdas << (fila.Metodo == CodigoPlanManual ? QStringLiteral("Plan manual")
                                                          : TextoLotificacion(fila.Metodo));
        textos.Exactas = textos.Celdas;
        if (fila.Fallo.empty()) {
            for (const double coste : {fila.CosteTotal, fila.CosteEmision, fila.CostePosesion}) {
                textos.Celdas << CifraLegible(coste, decimales);
                textos.Exactas << FloatToStr(coste);
            }
            const QString porcentaje = fila.ConRoturas    ? TextoConRoturas
                                       : fila.SobreOptimo ? Porcentaje(*fila.SobreOptimo)
                                                          : QString();
            textos.Celdas << QString::number(fila.Pedidos) << porcentaje;
            textos.Exactas << QString::number(fila.Pedidos) << porcentaje;
            textos.Roturas = ListaPeriodos(fila.PeriodosConRotura);
        } else {
            textos.Celdas << QString::fromStdString(fila.Fallo) << QString() << QString()
                          << QString() << QString();
            textos.Exactas = textos.Celdas;
        }
        filas.push_back(std::move(textos));
    }
    return filas;
}
