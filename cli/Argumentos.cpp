// Reading the command line by hand: the syntax is small and exact (field options spelt as the
// window's fields, values that may begin with "-", a 32-bit seed), and every fault is a usage
// error with its own message.
#include "Argumentos.h"

#include "FicheroProyecto.h"
#include "Semilla.h"
#include "TextosLotificacion.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <functional>
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

// "ejercicios": the option, its value's name in the help, and the field it gives.
struct OpcionEjercicios {
    QString nombre;
    QString valor;
    QString TextosEjercicios::*campo;
};

const OpcionEjercicios OpcionesHoja[] = {
    {QStringLiteral("--cantidad"), QStringLiteral("K"), &TextosEjercicios::Cantidad},
    {QStringLiteral("--semilla"), QStringLiteral("S"), &TextosEjercicios::Semilla},
    {QStringLiteral("--metodo"), QStringLiteral("M"), &TextosEjercicios::Metodo},
    {QStringLiteral("--periodos"), QStringLiteral("A-B"), &TextosEjercicios::Periodos},
    {QStringLiteral("--tiempo-suministro"), QStringLiteral("A-B"),
     &TextosEjercicios::TiempoSuministro},
    {QStringLiteral("--stock-seguridad"), QStringLiteral("A-B"), &TextosEjercicios::StockSeguridad},
    {QStringLiteral("--dificultad"), QStringLiteral("N"), &TextosEjercicios::Dificultad},
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

// A method code of the method table, written as a decimal integer.
TipoLotificacion Metodo(const QString& texto) {
    static const QRegularExpression digitos(QStringLiteral("^[0-9]{1,9}$"));
    if (digitos.match(texto).hasMatch()) {
        const auto codigo = static_cast<TipoLotificacion>(texto.toInt());
        if (BuscarMetodo(codigo)) return codigo;
    }
    throw ErrorUso(QStringLiteral("el método ha de ser un código de 0 a %1, no %2")
                       .arg(MetodosLotificacion.size() - 1)
                       .arg(Citado(texto)));
}

// --xlsx or --csv with its file; false for any other option. Only one of them, once.
bool LeerOpcionHoja(Lector& lector, const Argumento& argumento, std::optional<SalidaHoja>& hoja) {
    FormatoHoja formato;
    if (argumento.texto == QStringLiteral("--xlsx"))
        formato = FormatoHoja::Xlsx;
    else if (argumento.texto == QStringLiteral("--csv"))
        formato = FormatoHoja::Csv;
    else
        return false;
    PonerUnaVez(hoja, SalidaHoja{lector.Valor(argumento), formato}, argumento.texto);
    return true;
}

// The loop of an order that takes one problem file: the file as its one positional argument,
// "--help", and the order's own options through opcion, which says whether it knows one. Nothing
// after "--help".
template <class Opcion>
std::optional<QString>
LeerProblema(Lector& lector, Opcion opcion,
             const QString& falta = QStringLiteral("falta el fichero del problema")) {
    std::optional<QString> problema;
    while (lector.Quedan()) {
        const std::optional<Argumento> siguiente = lector.Siguiente();
        if (!siguiente) break;
        const Argumento& argumento = *siguiente;
        if (!argumento.esOpcion) {
            if (problema)
                throw ErrorUso(QStringLiteral("sobra el argumento ") + Citado(argumento.texto));
            problema = argumento.texto;
        } else if (argumento.texto == Ayuda) {
            return std::nullopt;
        } else if (!opcion(argumento)) {
            OpcionDesconocida(argumento);
        }
    }
    if (!problema) throw ErrorUso(falta);
    return problema;
}

// The calculation's options that "resolver" and "explotar" share: the method, and the costs and
// EOQ's rounding as the window's check boxes have them.
template <class OrdenCalculo>
bool LeerOpcionCalculo(Lector& lector, const Argumento& argumento, OrdenCalculo& orden) {
    if (argumento.texto == QStringLiteral("--metodo")) {
        PonerUnaVez(orden.metodo, Metodo(lector.Valor(argumento)), argumento.texto);
    } else if (argumento.texto == QStringLiteral("--sin-costes")) {
        SinValor(argumento);
        orden.verCostes = false;
    } else if (argumento.texto == QStringLiteral("--sin-redondeo")) {
        SinValor(argumento);
        orden.redondear = false;
    } else {
        return false;
    }
    return true;
}

// The options of "resolver" and, through otra, those an order that extends it adds.
Orden LeerResolver(Lector& lector, const std::function<bool(const Argumento&)>& otra = {}) {
    OrdenResolver orden;
    const std::optional<QString> problema = LeerProblema(lector, [&](const Argumento& argumento) {
        if (LeerOpcionCalculo(lector, argumento, orden)) return true;
        if (argumento.texto == QStringLiteral("-o")) {
            PonerUnaVez(orden.salida, lector.Valor(argumento), argumento.texto);
        } else if (argumento.texto == QStringLiteral("--explicar")) {
            SinValor(argumento);
            orden.explicar = true;
        } else if (!LeerOpcionHoja(lector, argumento, orden.hoja)) {
            return otra && otra(argumento);
        }
        return true;
    });
    if (!problema) return OrdenAyuda{};
    orden.problema = *problema;
    return orden;
}

int Decimales(const QString& texto) {
    static const QRegularExpression digito(QStringLiteral("^[0-9]$"));
    if (digito.match(texto).hasMatch()) {
        const int decimales = texto.toInt();
        if (decimales >= MinimoDecimalesLegibles && decimales <= MaximoDecimalesLegibles)
            return decimales;
    }
    throw ErrorUso(QStringLiteral("los decimales han de ser un entero de %1 a %2, no %3")
                       .arg(MinimoDecimalesLegibles)
                       .arg(MaximoDecimalesLegibles)
                       .arg(Citado(texto)));
}

// The options of "resolver", its output a PDF that must be named, and the report's choices: the
// sections, the decimals and the cover's lines, as the window's dialog has them.
Orden LeerInforme(Lector& lector) {
    EleccionInforme eleccion;
    std::optional<int> decimales;
    std::array<std::optional<QString>, LineasPortada.size()> portada;
    Orden leida = LeerResolver(lector, [&](const Argumento& argumento) {
        for (const SeccionElegible& seccion : SeccionesElegibles)
            if (argumento.texto == QLatin1String(seccion.Opcion)) {
                SinValor(argumento);
                eleccion.*seccion.Incluida = !(EleccionInforme().*seccion.Incluida);
                return true;
            }
        for (std::size_t i = 0; i < LineasPortada.size(); ++i)
            if (argumento.texto == QLatin1String(LineasPortada[i].Opcion)) {
                PonerUnaVez(portada[i], lector.Valor(argumento), argumento.texto);
                return true;
            }
        if (argumento.texto != QLatin1String(OpcionDecimales)) return false;
        PonerUnaVez(decimales, Decimales(lector.Valor(argumento)), argumento.texto);
        return true;
    });
    const auto* resolver = std::get_if<OrdenResolver>(&leida);
    if (!resolver) return leida;
    if (!resolver->salida) throw ErrorUso(QStringLiteral("falta la opción «-o»"));
    if (resolver->explicar && EsFicheroProyecto(resolver->problema))
        throw ErrorUso(QStringLiteral("«--explicar» no se admite con un proyecto .mrp"));
    if (resolver->hoja)
        throw ErrorUso(
            QStringLiteral("la orden «informe» escribe solo el PDF; la hoja de cálculo la "
                           "escribe «resolver»"));
    eleccion.ConExplicacion = resolver->explicar;
    if (decimales) eleccion.Decimales = *decimales;
    for (std::size_t i = 0; i < LineasPortada.size(); ++i)
        if (portada[i]) eleccion.*LineasPortada[i].Valor = *portada[i];
    // A project's report has its own sections; its choices are not silently ignored.
    if (EsFicheroProyecto(resolver->problema) && !(eleccion == EleccionInforme()))
        throw ErrorUso(QStringLiteral("las secciones, los decimales y la portada del informe no "
                                      "se admiten con un proyecto .mrp"));
    OrdenInforme orden;
    orden.problema = resolver->problema;
    orden.salida = *resolver->salida;
    orden.verCostes = resolver->verCostes;
    orden.redondear = resolver->redondear;
    orden.metodo = resolver->metodo;
    orden.explicar = resolver->explicar;
    orden.eleccion = eleccion;
    return orden;
}

Orden LeerExplotar(Lector& lector) {
    OrdenExplotar orden;
    const std::optional<QString> proyecto = LeerProblema(
        lector,
        [&](const Argumento& argumento) {
            if (LeerOpcionCalculo(lector, argumento, orden)) return true;
            if (argumento.texto == QStringLiteral("-o")) {
                PonerUnaVez(orden.carpeta, lector.Valor(argumento), argumento.texto);
            } else if (argumento.texto == QStringLiteral("--informe")) {
                PonerUnaVez(orden.informe, lector.Valor(argumento), argumento.texto);
            } else if (argumento.texto == QStringLiteral("--comparar")) {
                SinValor(argumento);
                orden.comparar = true;
            } else if (argumento.texto == QStringLiteral("--lot")) {
                SinValor(argumento);
                orden.problemas = true;
            } else if (!LeerOpcionHoja(lector, argumento, orden.hoja)) {
                return false;
            }
            return true;
        },
        QStringLiteral("falta el fichero del proyecto"));
    if (!proyecto) return OrdenAyuda{};
    if (orden.problemas && !orden.carpeta)
        throw ErrorUso(QStringLiteral("«--lot» necesita la carpeta de la opción «-o»"));
    orden.proyecto = *proyecto;
    return orden;
}

Orden LeerComparar(Lector& lector) {
    OrdenComparar orden;
    const std::optional<QString> problema = LeerProblema(lector, [&](const Argumento& argumento) {
        if (LeerOpcionHoja(lector, argumento, orden.hoja)) return true;
        if (argumento.texto != QStringLiteral("--sin-redondeo")) return false;
        SinValor(argumento);
        orden.redondear = false;
        return true;
    });
    if (!problema) return OrdenAyuda{};
    orden.problema = *problema;
    return orden;
}

// The sheet is the one positional argument; the problem file to write must be named.
Orden LeerImportar(Lector& lector) {
    OrdenImportar orden;
    std::optional<QString> salida;
    const std::optional<QString> hoja = LeerProblema(
        lector,
        [&](const Argumento& argumento) {
            if (argumento.texto == QStringLiteral("-o"))
                PonerUnaVez(salida, lector.Valor(argumento), argumento.texto);
            else if (argumento.texto == QStringLiteral("--problema"))
                PonerUnaVez(orden.base, lector.Valor(argumento), argumento.texto);
            else
                return false;
            return true;
        },
        QStringLiteral("falta la hoja de cálculo"));
    if (!hoja) return OrdenAyuda{};
    if (!salida) throw ErrorUso(QStringLiteral("falta la opción «-o»"));
    orden.hoja = *hoja;
    orden.salida = *salida;
    return orden;
}

// The arguments of an order that takes options only, each given to leer; false when the help was
// asked for, which ends the reading.
bool LeerSoloOpciones(Lector& lector, const std::function<void(const Argumento&)>& leer) {
    while (lector.Quedan()) {
        const std::optional<Argumento> siguiente = lector.Siguiente();
        if (!siguiente) break;
        const Argumento& argumento = *siguiente;
        if (!argumento.esOpcion)
            throw ErrorUso(QStringLiteral("sobra el argumento ") + Citado(argumento.texto));
        if (argumento.texto == Ayuda) return false;
        leer(argumento);
    }
    return true;
}

Orden LeerExperimentos(Lector& lector) {
    OrdenExperimentos orden;
    std::optional<QString> traza;
    const bool leidas = LeerSoloOpciones(lector, [&](const Argumento& argumento) {
        if (argumento.texto == QStringLiteral("--optimo")) {
            SinValor(argumento);
            orden.optimo = true;
            return;
        }
        if (argumento.texto == QStringLiteral("--traza")) {
            PonerUnaVez(traza, lector.Valor(argumento), argumento.texto);
            return;
        }
        if (LeerOpcionHoja(lector, argumento, orden.hoja)) return;
        if (argumento.texto == QStringLiteral("--semilla")) {
            PonerUnaVez(orden.semilla, Semilla(lector.Valor(argumento)), argumento.texto);
            return;
        }
        const auto opcion =
            std::find_if(std::begin(OpcionesCampo), std::end(OpcionesCampo),
                         [&](const OpcionCampo& o) { return o.nombre == argumento.texto; });
        if (opcion == std::end(OpcionesCampo)) OpcionDesconocida(argumento);
        for (const CampoExperimento& dado : orden.campos)
            if (dado.first == opcion->campo)
                throw ErrorUso(QStringLiteral("opción repetida ") + Citado(argumento.texto));
        orden.campos.emplace_back(opcion->campo, lector.Valor(argumento));
    });
    if (!leidas) return OrdenAyuda{};
    if (!traza) throw ErrorUso(QStringLiteral("falta la opción «--traza»"));
    orden.traza = *traza;
    return orden;
}

// The option values are kept as typed: the order checks them as the window's dialog does.
Orden LeerEjercicios(Lector& lector) {
    OrdenEjercicios orden;
    std::optional<QString> carpeta;
    std::vector<QString TextosEjercicios::*> dadas;
    const bool leidas = LeerSoloOpciones(lector, [&](const Argumento& argumento) {
        if (argumento.texto == QStringLiteral("-o")) {
            PonerUnaVez(carpeta, lector.Valor(argumento), argumento.texto);
            return;
        }
        const auto opcion =
            std::find_if(std::begin(OpcionesHoja), std::end(OpcionesHoja),
                         [&](const OpcionEjercicios& o) { return o.nombre == argumento.texto; });
        if (opcion == std::end(OpcionesHoja)) OpcionDesconocida(argumento);
        if (std::find(dadas.begin(), dadas.end(), opcion->campo) != dadas.end())
            throw ErrorUso(QStringLiteral("opción repetida ") + Citado(argumento.texto));
        dadas.push_back(opcion->campo);
        orden.textos.*(opcion->campo) = lector.Valor(argumento);
    });
    if (!leidas) return OrdenAyuda{};
    if (!carpeta || carpeta->isEmpty()) throw ErrorUso(QStringLiteral("falta la opción «-o»"));
    orden.carpeta = *carpeta;
    return orden;
}

Orden LeerCorregir(Lector& lector) {
    OrdenCorregir orden;
    QStringList ficheros;
    std::optional<double> tolerancia;
    while (lector.Quedan()) {
        const std::optional<Argumento> siguiente = lector.Siguiente();
        if (!siguiente) break;
        const Argumento& argumento = *siguiente;
        if (!argumento.esOpcion) {
            ficheros << argumento.texto;
        } else if (argumento.texto == Ayuda) {
            return OrdenAyuda{};
        } else if (argumento.texto == QStringLiteral("--metodo")) {
            PonerUnaVez(orden.metodo, Metodo(lector.Valor(argumento)), argumento.texto);
        } else if (argumento.texto == QStringLiteral("--tolerancia")) {
            const QString texto = lector.Valor(argumento);
            const std::optional<double> leida = LeerTolerancia(texto);
            if (!leida)
                throw ErrorUso(
                    QStringLiteral("la tolerancia ha de ser un número mayor o igual que 0, no ") +
                    Citado(texto));
            PonerUnaVez(tolerancia, *leida, argumento.texto);
        } else if (argumento.texto == QStringLiteral("--paso")) {
            SinValor(argumento);
            orden.paso = true;
        } else {
            OpcionDesconocida(argumento);
        }
    }
    if (ficheros.isEmpty()) throw ErrorUso(QStringLiteral("falta el fichero del problema"));
    if (ficheros.size() < 2) throw ErrorUso(QStringLiteral("falta el fichero de la solución"));
    orden.problema = ficheros.takeFirst();
    orden.soluciones = ficheros;
    orden.tolerancia = tolerancia.value_or(ToleranciaDefecto);
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
    if (orden == QStringLiteral("comparar")) return LeerComparar(lector);
    if (orden == QStringLiteral("informe")) return LeerInforme(lector);
    if (orden == QStringLiteral("explotar")) return LeerExplotar(lector);
    if (orden == QStringLiteral("experimentos")) return LeerExperimentos(lector);
    if (orden == QStringLiteral("ejercicios")) return LeerEjercicios(lector);
    if (orden == QStringLiteral("corregir")) return LeerCorregir(lector);
    if (orden == QStringLiteral("importar")) return LeerImportar(lector);
    throw ErrorUso(QStringLiteral("orden desconocida ") + Citado(orden));
}

TextosExperimento TextosConCampos(const std::vector<CampoExperimento>& campos) {
    TextosExperimento textos = TextosExperimento::PorDefecto();
    for (const auto& [campo, texto] : campos) textos.*campo = texto;
    return textos;
}

QStringList OpcionesDeCampo() {
    QStringList nombres;
    for (const OpcionCampo& opcion : OpcionesCampo) nombres << opcion.nombre;
    return nombres;
}

QStringList OpcionesDeEjercicios() {
    QStringList opciones;
    for (const OpcionEjercicios& opcion : OpcionesHoja)
        opciones << opcion.nombre + u' ' + opcion.valor;
    return opciones;
}
