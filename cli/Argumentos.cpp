// Reading the command line by hand: the syntax is small and exact (field options spelt as the
// window's fields, values that may begin with "-", a 32-bit seed), and every fault is a usage
// error with its own message.
#include "Argumentos.h"

#include "Semilla.h"

#include <algorithm>
#include <iterator>

namespace {

struct OpcionCampo {
    QString nombre;
    QString TextosExperimento::*campo;
};

const OpcionCampo OpcionesCampo[] = {
    {QStringLiteral("--NPMin"), &TextosExperimento::NPMin},
    {QStringLiteral("--NPMax"), &TextosExperimento::NPMax},
    {QStringLiteral("--NBMin"), &TextosExperimento::NBMin},
    {QStringLiteral("--NBMax"), &TextosExperimento::NBMax},
    {QStringLiteral("--EProbNB"), &TextosExperimento::EProbNB},
    {QStringLiteral("--TsMin"), &TextosExperimento::TsMin},
    {QStringLiteral("--TsMax"), &TextosExperimento::TsMax},
    {QStringLiteral("--CEMin"), &TextosExperimento::CEMin},
    {QStringLiteral("--CeMax"), &TextosExperimento::CeMax},
    {QStringLiteral("--CECpMin"), &TextosExperimento::CECpMin},
    {QStringLiteral("--CeCpMax"), &TextosExperimento::CeCpMax},
    {QStringLiteral("--NExp"), &TextosExperimento::NExp},
};

const QString Ayuda = QStringLiteral("--help");

QString Citado(const QString& texto) {
    return QStringLiteral("«%1»").arg(texto);
}

// One argument as the parser sees it: an option with its value written after "=" when there is
// one, or a positional argument.
struct Argumento {
    QString texto;
    bool esOpcion = false;
    std::optional<QString> valorPegado;
};

// Walks the arguments of one order. After "--" every argument is positional.
class Lector {
public:
    explicit Lector(QStringList argumentos) : argumentos_(std::move(argumentos)) {}

    bool Quedan() const { return posicion_ < argumentos_.size(); }

    // Nothing when the arguments end with "--".
    std::optional<Argumento> Siguiente() {
        QString texto = argumentos_[posicion_++];
        if (!soloPosicionales_ && texto == QStringLiteral("--")) {
            soloPosicionales_ = true;
            if (!Quedan()) return std::nullopt;
            texto = argumentos_[posicion_++];
        }
        if (soloPosicionales_ || !texto.startsWith(u'-') || texto.size() == 1)
            return Argumento{texto, false, std::nullopt};
        const qsizetype igual = texto.indexOf(u'=');
        if (texto.startsWith(QStringLiteral("--")) && igual > 2)
            return Argumento{texto.left(igual), true, texto.mid(igual + 1)};
        return Argumento{texto, true, std::nullopt};
    }

    // The value of an option: after "=", else the next argument taken as it is.
    QString Valor(const Argumento& opcion) {
        if (opcion.valorPegado) return *opcion.valorPegado;
        if (!Quedan()) throw ErrorUso(QStringLiteral("falta el valor de ") + Citado(opcion.texto));
        return argumentos_[posicion_++];
    }

private:
    QStringList argumentos_;
    qsizetype posicion_ = 0;
    bool soloPosicionales_ = false;
};

void SinValor(const Argumento& opcion) {
    if (opcion.valorPegado)
        throw ErrorUso(QStringLiteral("la opción %1 no lleva valor").arg(Citado(opcion.texto)));
}

template <class T> void PonerUnaVez(std::optional<T>& destino, T valor, const QString& opcion) {
    if (destino) throw ErrorUso(QStringLiteral("opción repetida ") + Citado(opcion));
    destino = std::move(valor);
}

[[noreturn]] void OpcionDesconocida(const Argumento& opcion) {
    throw ErrorUso(QStringLiteral("opción desconocida ") + Citado(opcion.texto));
}

std::uint32_t Semilla(const QString& texto) {
    if (const std::optional<std::uint32_t> semilla = LeerSemilla(texto)) return *semilla;
    throw ErrorUso(QStringLiteral("la semilla ha de ser un entero de 0 a %1, no %2")
                       .arg(SemillaMaxima)
                       .arg(Citado(texto)));
}

Orden LeerResolver(Lector& lector) {
    OrdenResolver orden;
    std::optional<QString> problema, salida;
    while (lector.Quedan()) {
        const std::optional<Argumento> siguiente = lector.Siguiente();
        if (!siguiente) break;
        const Argumento& argumento = *siguiente;
        if (!argumento.esOpcion) {
            if (problema)
                throw ErrorUso(QStringLiteral("sobra el argumento ") + Citado(argumento.texto));
            problema = argumento.texto;
        } else if (argumento.texto == QStringLiteral("-o")) {
            PonerUnaVez(salida, lector.Valor(argumento), argumento.texto);
        } else if (argumento.texto == QStringLiteral("--sin-costes")) {
            SinValor(argumento);
            orden.verCostes = false;
        } else if (argumento.texto == QStringLiteral("--sin-redondeo")) {
            SinValor(argumento);
            orden.redondear = false;
        } else if (argumento.texto == Ayuda) {
            return OrdenAyuda{};
        } else {
            OpcionDesconocida(argumento);
        }
    }
    if (!problema) throw ErrorUso(QStringLiteral("falta el fichero del problema"));
    orden.problema = *problema;
    orden.salida = salida;
    return orden;
}

Orden LeerExperimentos(Lector& lector) {
    OrdenExperimentos orden;
    std::optional<QString> traza;
    while (lector.Quedan()) {
        const std::optional<Argumento> siguiente = lector.Siguiente();
        if (!siguiente) break;
        const Argumento& argumento = *siguiente;
        if (!argumento.esOpcion)
            throw ErrorUso(QStringLiteral("sobra el argumento ") + Citado(argumento.texto));
        if (argumento.texto == Ayuda) return OrdenAyuda{};
        if (argumento.texto == QStringLiteral("--traza")) {
            PonerUnaVez(traza, lector.Valor(argumento), argumento.texto);
            continue;
        }
        if (argumento.texto == QStringLiteral("--semilla")) {
            PonerUnaVez(orden.semilla, Semilla(lector.Valor(argumento)), argumento.texto);
            continue;
        }
        const auto opcion =
            std::find_if(std::begin(OpcionesCampo), std::end(OpcionesCampo),
                         [&](const OpcionCampo& o) { return o.nombre == argumento.texto; });
        if (opcion == std::end(OpcionesCampo)) OpcionDesconocida(argumento);
        for (const CampoExperimento& dado : orden.campos)
            if (dado.first == opcion->campo)
                throw ErrorUso(QStringLiteral("opción repetida ") + Citado(argumento.texto));
        orden.campos.emplace_back(opcion->campo, lector.Valor(argumento));
    }
    if (!traza) throw ErrorUso(QStringLiteral("falta la opción «--traza»"));
    orden.traza = *traza;
    return orden;
}

} // namespace

ErrorUso::ErrorUso(const QString& motivo) : std::runtime_error(motivo.toStdString()) {}

Orden LeerArgumentos(const QStringList& argumentos) {
    if (argumentos.isEmpty()) throw ErrorUso(QStringLiteral("falta la orden"));
    const QString& orden = argumentos.front();
    const QStringList resto = argumentos.mid(1);
    if (orden == Ayuda || orden == QStringLiteral("--version")) {
        if (!resto.isEmpty())
            throw ErrorUso(QStringLiteral("sobra el argumento ") + Citado(resto.front()));
        if (orden == Ayuda) return OrdenAyuda{};
        return OrdenVersion{};
    }
    Lector lector(resto);
    if (orden == QStringLiteral("resolver")) return LeerResolver(lector);
    if (orden == QStringLiteral("experimentos")) return LeerExperimentos(lector);
    throw ErrorUso(QStringLiteral("orden desconocida ") + Citado(orden));
}

TextosExperimento TextosConCampos(const std::vector<CampoExperimento>& campos) {
    TextosExperimento textos = TextosExperimento::PorDefecto();
    for (const auto& [campo, texto] : campos) textos.*campo = texto;
    return textos;
}

QString TextoUso() {
    return QStringLiteral(
        "Uso: quelmar-cli resolver PROBLEMA.lot [-o SOLUCION.sol] [--sin-costes] [--sin-redondeo]\n"
        "     quelmar-cli experimentos --traza TRAZA.txt [--semilla S] [--NPMin T] [--NPMax T]\n"
        "                 [--NBMin T] [--NBMax T] [--EProbNB T] [--TsMin T] [--TsMax T]\n"
        "                 [--CEMin T] [--CeMax T] [--CECpMin T] [--CeCpMax T] [--NExp T]\n"
        "     quelmar-cli --help | --version\n");
}

QString TextoAyuda() {
    return TextoUso() +
           QStringLiteral(
               "\n"
               "Resuelve problemas de lotificación y repite experimentos sin ventanas.\n"
               "\n"
               "resolver        Abre PROBLEMA.lot, lo calcula con la lotificación que indica y "
               "escribe\n"
               "                la solución en SOLUCION.sol, o en la salida estándar sin -o. "
               "Anuncia en\n"
               "                la salida de errores la lotificación empleada.\n"
               "  -o FICHERO      fichero de la solución\n"
               "  --sin-costes    sin las filas Ce, Cp y CTotal\n"
               "  --sin-redondeo  sin redondear la cantidad económica de pedido\n"
               "experimentos    Resuelve problemas aleatorios con los seis métodos, escribe la "
               "traza\n"
               "                y muestra el informe en la salida estándar.\n"
               "  --traza FICHERO fichero de seguimiento, que se reescribe\n"
               "  --semilla S     estado inicial del generador, de 0 a 4294967295; sin ella, el "
               "reloj\n"
               "  --NPMin T ...   los campos de la ventana de experimentos, escritos como en ella\n"
               "\n"
               "Los números siguen la configuración regional del entorno (LC_ALL, LC_NUMERIC, "
               "LANG).\n"
               "Estado de salida: 0 hecho, 1 aviso, 2 error, 64 uso incorrecto.\n");
}
