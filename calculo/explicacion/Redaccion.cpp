// The shared wording of the explanations.
#include "Redaccion.h"

#include "Numeros.h"

namespace redaccion {

QString Cifras::operator()(double valor) const {
    return CifraLegible(valor, decimales_);
}

QString E(int valor) {
    return QString::number(valor);
}

QString Periodos(int n) {
    return n == 1 ? QStringLiteral("1 periodo") : QStringLiteral("%1 periodos").arg(n);
}

QString Enumeracion(const QStringList& elementos) {
    if (elementos.size() < 2) return elementos.join(QString());
    return elementos.mid(0, elementos.size() - 1).join(QStringLiteral(", ")) +
           QStringLiteral(" y ") + elementos.last();
}

QString Tramo(int desde, int hasta) {
    if (desde == hasta) return QStringLiteral("el periodo %1").arg(desde);
    return QStringLiteral("los periodos %1 a %2").arg(desde).arg(hasta);
}

QString Ventana(int desde, int hasta) {
    return desde == hasta ? E(desde) : QStringLiteral("%1–%2").arg(desde).arg(hasta);
}

QString PlazoDeEmision(int TS) {
    return TS == 0 ? QStringLiteral("en ese mismo periodo")
                   : Periodos(TS) + QStringLiteral(" antes (el plazo de suministro)");
}

QString DemandaMedia(const Cifras& N, double media) {
    return QStringLiteral("Demanda media: m = (NB[1] + … + NB[N]) / N = ") + N(media) +
           QStringLiteral(".");
}

QString LoteEconomico(const Cifras& N, const TParametrosMRP& P, double media, double Q) {
    return QStringLiteral("Cantidad económica: Q = √(2 × CE × m / CP) = √(2 × %1 × %2 / %3) = %4.")
        .arg(N(P.CE), N(media), N(P.CP), N(Q));
}

} // namespace redaccion
