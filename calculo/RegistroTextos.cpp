// The record's row labels and entry texts.
#include "RegistroTextos.h"

#include "Numeros.h"

const std::array<QString, FilasRegistro>& EtiquetasRegistro() {
    static const std::array<QString, FilasRegistro> etiquetas = {
        QStringLiteral("NB"), QStringLiteral("D"),    QStringLiteral("RP"),
        QStringLiteral("NN"), QStringLiteral("RPPL"), QStringLiteral("PPL"),
        QStringLiteral("Ce"), QStringLiteral("Cp"),   QStringLiteral("CTotal")};
    return etiquetas;
}

QString TextoEntrada(double valor, int decimales) {
    return valor == 0.0 ? QString() : CifraLegible(valor, decimales);
}

const std::array<QString, FilasRegistro>& SignificadosRegistro() {
    static const std::array<QString, FilasRegistro> significados = {
        QStringLiteral("NB: necesidades brutas"),
        QStringLiteral("D: stock disponible al empezar el período (en la última columna, el que "
                       "queda al final)"),
        QStringLiteral("RP: recepciones programadas"),
        QStringLiteral("NN: necesidades netas"),
        QStringLiteral("RPPL: recepciones de pedidos planificados"),
        QStringLiteral("PPL: pedidos planificados, emitidos en el período"),
        QStringLiteral("Ce: coste de emisión"),
        QStringLiteral("Cp: coste de posesión del stock al final del período"),
        QStringLiteral("CTotal: coste del período (en la última columna, el total del plan)")};
    return significados;
}

std::array<const TFilaMRP*, FilasRegistro> FilasDelRegistro(const TTablaMRP& tabla,
                                                            const TCostesMRP& costes) {
    return {&tabla.NB,  &tabla.D,   &tabla.RP,  &tabla.NN,     &tabla.RPPL,
            &tabla.PPL, &costes.Ce, &costes.Cp, &costes.CTotal};
}

QStringList TextosFila(const TFilaMRP& fila, std::int32_t N, int decimales) {
    QStringList textos;
    for (std::int32_t k = 1; k <= N + 1; ++k) textos << TextoEntrada(fila[k], decimales);
    return textos;
}

std::vector<QStringList> FilasConEtiqueta(const TTablaMRP& tabla, const TCostesMRP& costes,
                                          std::int32_t N, int filas, int decimales) {
    const auto registro = FilasDelRegistro(tabla, costes);
    std::vector<QStringList> textos;
    for (std::size_t r = 0; r < std::size_t(filas); ++r)
        textos.push_back(QStringList{EtiquetasRegistro()[r]} +
                         TextosFila(*registro[r], N, decimales));
    return textos;
}
