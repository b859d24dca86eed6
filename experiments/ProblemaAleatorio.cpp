// Drawing one random problem. The texts and the converted fields share one sequence of draws, so
// a run that switches from one to the other after its first experiment draws the same problems.
#include "ProblemaAleatorio.h"

#include "AritmeticaComprobada.h"
#include "ComprobarParametros.h"
#include "Numeros.h"

#include <cmath>
#include <stdexcept>

using aritmetica::ADouble;
using aritmetica::Cociente;

TextosExperimento TextosExperimento::PorDefecto() {
    TextosExperimento t;
    t.NPMin = QStringLiteral("4");
    t.NPMax = QStringLiteral("16");
    t.NBMin = QStringLiteral("10");
    t.NBMax = QStringLiteral("1000");
    t.EProbNB = FloatToStr(0.5);
    t.TsMin = QStringLiteral("1");
    t.TsMax = QStringLiteral("3");
    t.CEMin = QStringLiteral("3");
    t.CeMax = QStringLiteral("30");
    t.CECpMin = QStringLiteral("100");
    t.CeCpMax = QStringLiteral("2000");
    t.NExp = QStringLiteral("1000");
    return t;
}

ParametrosExperimento ParametrosExperimento::Convertir(const TextosExperimento& textos) {
    // One statement per field: the order of the conversions decides which error is reported.
    ParametrosExperimento p{};
    p.NPMax = StrToInt(textos.NPMax);
    p.NPMin = StrToInt(textos.NPMin);
    p.TsMax = StrToInt(textos.TsMax);
    p.TsMin = StrToInt(textos.TsMin);
    p.EProbNB = StrToFloat(textos.EProbNB);
    p.CEMin = StrToFloat(textos.CEMin);
    p.CeMax = StrToFloat(textos.CeMax);
    p.CECpMin = StrToFloat(textos.CECpMin);
    p.CeCpMax = StrToFloat(textos.CeCpMax);
    p.NBMin = StrToFloat(textos.NBMin);
    p.NBMax = StrToFloat(textos.NBMax);
    return p;
}

namespace {

// Each field converted anew whenever a draw needs it.
class CamposDeTexto {
public:
    explicit CamposDeTexto(const TextosExperimento& t) : t_(t) {}
    std::int32_t NPMin() const { return StrToInt(t_.NPMin); }
    std::int32_t NPMax() const { return StrToInt(t_.NPMax); }
    std::int32_t TsMin() const { return StrToInt(t_.TsMin); }
    std::int32_t TsMax() const { return StrToInt(t_.TsMax); }
    double EProbNB() const { return StrToFloat(t_.EProbNB); }
    double CEMin() const { return StrToFloat(t_.CEMin); }
    double CeMax() const { return StrToFloat(t_.CeMax); }
    double CECpMin() const { return StrToFloat(t_.CECpMin); }
    double CeCpMax() const { return StrToFloat(t_.CeCpMax); }
    double NBMin() const { return StrToFloat(t_.NBMin); }
    double NBMax() const { return StrToFloat(t_.NBMax); }

private:
    const TextosExperimento& t_;
};

class CamposConvertidos {
public:
    explicit CamposConvertidos(const ParametrosExperimento& p) : p_(p) {}
    std::int32_t NPMin() const { return p_.NPMin; }
    std::int32_t NPMax() const { return p_.NPMax; }
    std::int32_t TsMin() const { return p_.TsMin; }
    std::int32_t TsMax() const { return p_.TsMax; }
    double EProbNB() const { return p_.EProbNB; }
    double CEMin() const { return p_.CEMin; }
    double CeMax() const { return p_.CeMax; }
    double CECpMin() const { return p_.CECpMin; }
    double CeCpMax() const { return p_.CeCpMax; }
    double NBMin() const { return p_.NBMin; }
    double NBMax() const { return p_.NBMax; }

private:
    const ParametrosExperimento& p_;
};

// lo + r * (hi - lo) in extended precision; the difference of two integers is taken exactly.
long double Entre(std::int32_t lo, std::int32_t hi, long double r) {
    const auto diferencia = static_cast<std::int64_t>(hi) - static_cast<std::int64_t>(lo);
    return static_cast<long double>(lo) + r * static_cast<long double>(diferencia);
}

long double Entre(double lo, double hi, long double r) {
    const long double min = lo;
    return min + r * (static_cast<long double>(hi) - min);
}

template <class Campos, class Fuente> double Requerimiento(const Campos& campos, Fuente& sorteos) {
    const double nbMin = campos.NBMin();
    const double nbMax = campos.NBMax();
    return ADouble(RedondearPar(Entre(nbMin, nbMax, sorteos.Sorteo())));
}

template <class Campos, class Fuente>
void Generar(const Campos& campos, Fuente& sorteos, ProblemaAleatorio& problema) {
    const std::int32_t npMax = campos.NPMax();
    const std::int32_t npMin = campos.NPMin();
    const long double n = RedondearPar(Entre(npMin, npMax, sorteos.Sorteo()));
    // N and Ts are whole numbers between two 32-bit bounds, which a double holds exactly; going
    // through it spares the x87 the change of rounding mode a direct conversion makes.
    const auto entero = [](long double x) { return static_cast<std::int64_t>(double(x)); };
    // N lies between the two 32-bit bounds, so only bounds the checks refuse can bring it here.
    if (!PeriodosCalculables(entero(n))) {
        const auto aviso = AvisoRangoPeriodos(npMin, npMax);
        throw std::out_of_range(aviso.value_or(QString()).toStdString());
    }
    const auto N = static_cast<std::int32_t>(entero(n));

    const std::int32_t tsMax = campos.TsMax();
    const std::int32_t tsMin = campos.TsMin();
    const long double ts = RedondearPar(Entre(tsMin, tsMax, sorteos.Sorteo()));
    const std::int32_t Ts = ts >= N ? N - 1 : static_cast<std::int32_t>(entero(ts));

    const long double p = campos.EProbNB();

    const double ceMin = campos.CEMin();
    const double ceMax = campos.CeMax();
    const double Ce = ADouble(Entre(ceMin, ceMax, sorteos.Sorteo()));

    const double razonMin = campos.CECpMin();
    const double razonMax = campos.CeCpMax();
    const long double razon = Entre(razonMin, razonMax, sorteos.Sorteo());
    const double Cp = ADouble(Cociente(Ce, razon));

    TTablaMRP& tabla = problema.Tabla;
    long double suma = 0;
    for (std::int32_t t = 1; t <= N; ++t) {
        tabla.NB[t] = 0;
        if (t > Ts && sorteos.Sorteo() < p) {
            tabla.NB[t] = Requerimiento(campos, sorteos);
            suma += tabla.NB[t];
        }
        tabla.D[t] = tabla.RP[t] = tabla.NN[t] = tabla.RPPL[t] = tabla.PPL[t] = 0;
    }
    if (suma == 0) tabla.NB[N] = Requerimiento(campos, sorteos);
    // Entry N + 1 reaches the engine too: nothing of a larger earlier problem may stay there.
    tabla.NB[N + 1] = tabla.D[N + 1] = tabla.RP[N + 1] = 0;
    tabla.NN[N + 1] = tabla.RPPL[N + 1] = tabla.PPL[N + 1] = 0;

    problema.N = N;
    problema.Ts = Ts;
    problema.Ce = Ce;
    problema.Cp = Cp;
}

} // namespace

void GenerarProblema(const TextosExperimento& textos, FuenteSorteos& sorteos,
                     ProblemaAleatorio& problema) {
    Generar(CamposDeTexto(textos), sorteos, problema);
}

void GenerarProblema(const ParametrosExperimento& parametros, FuenteSorteos& sorteos,
                     ProblemaAleatorio& problema) {
    Generar(CamposConvertidos(parametros), sorteos, problema);
}

// The draws come from a copy of the generator, whose state the compiler keeps in a register: in
// the generator itself it would be stored after every draw, since a failing draw leaves the
// function with it. Only a drawing that succeeds hands its state back; after a failure the run
// ends, and the next one seeds the generator anew.
void GenerarProblema(const ParametrosExperimento& parametros, Generador& sorteos,
                     ProblemaAleatorio& problema) {
    Generador copia = sorteos;
    Generar(CamposConvertidos(parametros), copia, problema);
    sorteos.PonerEstado(copia.Estado());
}
