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

QString TextoEntrada(double valor) {
    return valor == 0.0 ? QString() : FloatToStr(valor);
}

std::array<const TFilaMRP*, FilasRegistro> FilasDelRegistro(const TTablaMRP& tabla,
                                                            const TCostesMRP& costes) {
    return {&tabla.NB,  &tabla.D,   &tabla.RP,  &tabla.NN,     &tabla.RPPL,
            &tabla.PPL, &costes.Ce, &costes.Cp, &costes.CTotal};
}

QStringList TextosFila(const TFilaMRP& fila, std::int32_t N) {
    QStringList textos;
    for (std::int32_t k = 1; k <= N + 1; ++k) textos << TextoEntrada(fila[k]);
    return textos;
}

std::vector<QStringList> FilasConEtiqueta(const TTablaMRP& tabla, const TCostesMRP& costes,
                                          std::int32_t N, int filas) {
    const auto registro = FilasDelRegistro(tabla, costes);
    std::vector<QStringList> textos;
    for (std::size_t r = 0; r < std::size_t(filas); ++r)
        textos.push_back(QStringList{EtiquetasRegistro()[r]} + TextosFila(*registro[r], N));
    return textos;
}
