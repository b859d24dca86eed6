// The steps of the record, row by row: netting, projection, the lot and its release, and the costs.
#include "PasoCelda.h"

#include "ExplicacionEOQ.h"
#include "ExplicacionMejor.h"
#include "FicheroSolucion.h"
#include "Numeros.h"
#include "TextosLotificacion.h"
#include "TextosProblema.h"

#include <QStringList>

#include <cmath>

namespace {

const QString Menos = QStringLiteral(" − ");
const QString Mas = QStringLiteral(" + ");

// A number inside a sum: a negative one in brackets.
QString T(double valor) {
    const QString texto = FloatToStr(valor);
    return valor < 0 ? u'(' + texto + u')' : texto;
}

QString R(const char* fila, int periodo) {
    return QStringLiteral("%1[%2]").arg(QLatin1String(fila)).arg(periodo);
}

// Q as EOQ ordered it, when the plan is EOQ's, also as the winner of "Mejor de las anteriores".
std::optional<double> LoteEOQ(const ResultadoCalculo& r) {
    const ExplicacionMetodo* decisiones = r.Explicacion.Decisiones.get();
    if (const auto* mejor = dynamic_cast<const ExplicacionMejor*>(decisiones))
        decisiones = mejor->DelGanador.get();
    if (const auto* eoq = dynamic_cast<const ExplicacionEOQ*>(decisiones))
        return eoq->LoteEconomico;
    return std::nullopt;
}

bool Igual(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max({1.0, std::abs(a), std::abs(b)});
}

QString PasoNN(const ResultadoCalculo& r, int i) {
    const TTablaMRP& t = r.Tabla;
    const QString regla = QStringLiteral("NN = NB − D − RP + SS = ") + T(t.NB[i]) + Menos +
                          T(t.D[i]) + Menos + T(t.RP[i]) + Mas + T(r.Problema.SS);
    if (t.NN[i] > 0) return regla + QStringLiteral(" = ") + FloatToStr(t.NN[i]);
    const double v = t.NB[i] - t.D[i] - t.RP[i] + r.Problema.SS;
    return regla + QStringLiteral(" = %1, que no es positivo: NN = 0").arg(FloatToStr(v));
}

QString PasoD(const ResultadoCalculo& r, int i) {
    const TTablaMRP& t = r.Tabla;
    const int k = i - 1;
    return R("D", i) + QStringLiteral(" = ") + R("D", k) + Mas + R("RP", k) + Menos + R("NB", k) +
           Mas + R("RPPL", k) + QStringLiteral(" = ") + T(t.D[k]) + Mas + T(t.RP[k]) + Menos +
           T(t.NB[k]) + Mas + T(t.RPPL[k]) + QStringLiteral(" = ") + FloatToStr(t.D[i]);
}

// A lot of a window method: the net requirement of its period and what the following periods
// need until the next receipt, when that is what it holds.
std::optional<QString> LoteDeVentana(const ResultadoCalculo& r, int i) {
    const TTablaMRP& t = r.Tabla;
    int j = i;
    while (j < r.Problema.N && t.RPPL[j + 1] == 0.0) ++j;
    if (j == i) return std::nullopt;
    double suma = t.NN[i];
    QStringList sumandos{T(t.NN[i])};
    for (int k = i + 1; k <= j; ++k) {
        suma += t.NB[k] - t.RP[k];
        sumandos << T(t.NB[k] - t.RP[k]);
    }
    if (!Igual(suma, t.RPPL[i])) return std::nullopt;
    const QString siguientes = j == i + 1
                                   ? QStringLiteral("del período %1").arg(j)
                                   : QStringLiteral("de los períodos %1 a %2").arg(i + 1).arg(j);
    return QStringLiteral("RPPL = NN + (NB − RP) %1 = %2 = %3: el lote cubre los períodos %4 a %5")
        .arg(siguientes, sumandos.join(Mas), FloatToStr(t.RPPL[i]))
        .arg(i)
        .arg(j);
}

QString PasoRPPL(const ResultadoCalculo& r, int i) {
    const TTablaMRP& t = r.Tabla;
    const int TS = r.Problema.TS;
    const QString metodo = TextoLotificacion(r.Metodo);
    if (i <= TS)
        return QStringLiteral("RPPL = 0: una recepción en el período %1 se habría emitido antes "
                              "del período 1 (tiempo de suministro %2)")
            .arg(i)
            .arg(TS);
    if (t.RPPL[i] == 0.0)
        return QStringLiteral("RPPL = 0: %1 no planifica ninguna recepción en este período")
            .arg(metodo);
    if (const std::optional<double> Q = LoteEOQ(r); Q && t.NN[i] > 0)
        return QStringLiteral("RPPL = máx(NN, Q) = máx(%1, %2) = %3")
            .arg(T(t.NN[i]), T(*Q), FloatToStr(t.RPPL[i]));
    if (t.RPPL[i] == t.NN[i])
        return QStringLiteral("RPPL = NN = %1: el lote cubre la necesidad neta de su período")
            .arg(FloatToStr(t.RPPL[i]));
    if (const std::optional<QString> ventana = LoteDeVentana(r, i)) return *ventana;
    return QStringLiteral("RPPL = %1: el lote que %2 recibe en este período; «Explicación del "
                          "cálculo» dice cómo lo decidió")
        .arg(FloatToStr(t.RPPL[i]), metodo);
}

QString PasoPPL(const ResultadoCalculo& r, int j) {
    const std::int32_t N = r.Problema.N;
    const int TS = r.Problema.TS;
    if (j > N - TS)
        return QStringLiteral("PPL = 0: su recepción caería en el período %1, después del "
                              "último (%2)")
            .arg(j + TS)
            .arg(N);
    const double lote = r.Tabla.PPL[j];
    if (TS == 0)
        return QStringLiteral("PPL = RPPL = %1: el lote se emite en el período en que se recibe")
            .arg(FloatToStr(lote));
    return QStringLiteral("%1 = %2 = %3: el lote se emite %4 antes de recibirse")
        .arg(R("PPL", j), R("RPPL", j + TS), FloatToStr(lote),
             TS == 1 ? QStringLiteral("1 período") : QStringLiteral("%1 períodos").arg(TS));
}

QString PasoCe(const ResultadoCalculo& r, int k) {
    const double emision = r.Tabla.PPL[k];
    if (emision != 0.0)
        return QStringLiteral("Ce = CE = %1, porque en este período se emite un pedido (PPL = %2)")
            .arg(FloatToStr(r.Costes.Ce[k]), FloatToStr(emision));
    return QStringLiteral("Ce = 0, porque en este período no se emite ningún pedido (PPL = 0)");
}

QString PasoCp(const ResultadoCalculo& r, int k) {
    return R("Cp", k) + QStringLiteral(" = CP × ") + R("D", k + 1) + QStringLiteral(" = ") +
           T(r.Problema.CP) + QStringLiteral(" × ") + T(r.Tabla.D[k + 1]) + QStringLiteral(" = ") +
           FloatToStr(r.Costes.Cp[k]);
}

QString PasoCTotal(const ResultadoCalculo& r, int k) {
    const TCostesMRP& c = r.Costes;
    const std::int32_t N = r.Problema.N;
    if (k <= N)
        return QStringLiteral("CTotal = Ce + Cp = %1 + %2 = %3")
            .arg(T(c.Ce[k]), T(c.Cp[k]), FloatToStr(c.CTotal[k]));
    // The terms are worth reading only while they fit on a line.
    constexpr int TerminosLegibles = 12;
    QString suma;
    if (N <= TerminosLegibles) {
        QStringList terminos;
        for (int p = 1; p <= N; ++p) terminos << T(c.CTotal[p]);
        suma = terminos.join(Mas) + QStringLiteral(" = ");
    }
    return QStringLiteral("Coste total = suma de CTotal de los períodos 1 a %1 = %2%3")
        .arg(N)
        .arg(suma, FloatToStr(c.CTotal[N + 1]));
}

} // namespace

QString PasoCelda(const ResultadoCalculo& exacto, int columna, int fila) {
    // Only the cells a check covers have a step: D[1] is the initial stock, an input.
    const int primera = fila == FilaD ? 2 : 1;
    if (columna < primera || columna > UltimaColumnaSolucion(fila, exacto.Problema.N)) return {};
    switch (fila) {
    case FilaD:
        return PasoD(exacto, columna);
    case FilaNN:
        return PasoNN(exacto, columna);
    case FilaRPPL:
        return PasoRPPL(exacto, columna);
    case FilaPPL:
        return PasoPPL(exacto, columna);
    case FilaCe:
        return PasoCe(exacto, columna);
    case FilaCp:
        return PasoCp(exacto, columna);
    case FilaCTotal:
        return PasoCTotal(exacto, columna);
    default:
        return {};
    }
}

QString PasoPrimeraDiferencia(const ResultadoCalculo& exacto, const Comprobacion& comprobacion) {
    const CeldaComprobada* primera = comprobacion.PrimeraDiferencia();
    if (!primera) return {};
    return QStringLiteral("Primera diferencia: ") + LugarCelda(*primera, comprobacion.N) + u'\n' +
           PasoCelda(exacto, primera->Columna, primera->Fila);
}
