// Reading and writing .mrp files through Qt's JSON parser and writer.
#include "FicheroProyecto.h"

#include "Errores.h"
#include "ErroresProyecto.h"
#include "Ficheros.h"
#include "Horizonte.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <limits>

namespace {

// The keys, as other tools write them.
const QString ClaveFormato = QStringLiteral("formato");
const QString ClaveVersion = QStringLiteral("version");
const QString ClavePeriodos = QStringLiteral("periodos");
const QString ClaveRedondear = QStringLiteral("redondear");
const QString ClaveArticulos = QStringLiteral("articulos");
const QString ClaveCodigo = QStringLiteral("codigo");
const QString ClaveDescripcion = QStringLiteral("descripcion");
const QString ClaveTiempoSuministro = QStringLiteral("tiempoSuministro");
const QString ClaveStockSeguridad = QStringLiteral("stockSeguridad");
const QString ClaveCosteEmision = QStringLiteral("costeEmision");
const QString ClaveCostePosesion = QStringLiteral("costePosesion");
const QString ClaveLotificacion = QStringLiteral("lotificacion");
const QString ClaveStockInicial = QStringLiteral("stockInicial");
const QString ClaveRecepciones = QStringLiteral("recepcionesProgramadas");
const QString ClaveDemanda = QStringLiteral("demandaIndependiente");
const QString ClaveComponentes = QStringLiteral("componentes");
const QString ClaveCantidad = QStringLiteral("cantidad");

// ---- Reading

// Qt's parser says what went wrong in English; the user reads it in Spanish.
QString MotivoSintaxis(QJsonParseError::ParseError error) {
    switch (error) {
    case QJsonParseError::UnterminatedObject:
        return QStringLiteral("se esperaba una coma o el «}» que cierra el objeto");
    case QJsonParseError::MissingNameSeparator:
        return QStringLiteral("falta «:» tras el nombre de una clave");
    case QJsonParseError::UnterminatedArray:
        return QStringLiteral("se esperaba una coma o el «]» que cierra la lista");
    case QJsonParseError::MissingValueSeparator:
        return QStringLiteral("falta una coma entre dos valores");
    case QJsonParseError::IllegalValue:
        return QStringLiteral("un valor no válido");
    case QJsonParseError::TerminationByNumber:
        return QStringLiteral("el texto acaba antes de cerrar lo abierto");
    case QJsonParseError::IllegalNumber:
        return QStringLiteral("un número no válido o fuera de rango");
    case QJsonParseError::IllegalEscapeSequence:
        return QStringLiteral("una secuencia de escape no válida");
    case QJsonParseError::IllegalUTF8String:
        return QStringLiteral("un texto que no está en UTF-8");
    case QJsonParseError::UnterminatedString:
        return QStringLiteral("un texto sin comillas de cierre");
    case QJsonParseError::MissingObject:
        return QStringLiteral("sobra una coma, o falta lo que la sigue");
    case QJsonParseError::DeepNesting:
        return QStringLiteral("demasiados niveles anidados");
    case QJsonParseError::DocumentTooLarge:
        return QStringLiteral("el documento es demasiado grande");
    case QJsonParseError::GarbageAtEnd:
        return QStringLiteral("sobra texto tras el final");
    default:
        return QStringLiteral("no es JSON");
    }
}

// Line and column (from 1, in characters) of a byte offset into UTF-8 text.
std::pair<qsizetype, qsizetype> LineaYColumna(const QByteArray& bytes, qsizetype posicion) {
    posicion = std::clamp<qsizetype>(posicion, 0, bytes.size());
    const QByteArray antes = bytes.left(posicion);
    const qsizetype inicioLinea = antes.lastIndexOf('\n') + 1;
    return {antes.count('\n') + 1, QString::fromUtf8(antes.mid(inicioLinea)).size() + 1};
}

// Where a value was read, for the messages: "Proyecto", "Artículo «MESA»", ...
class Lector {
public:
    explicit Lector(QString lugar) : lugar_(std::move(lugar)) {}

    [[noreturn]] void Fallar(const QString& motivo) const {
        throw EFicheroProyecto(lugar_ + QStringLiteral(": ") + motivo);
    }

    void SoloClaves(const QJsonObject& objeto, const QSet<QString>& conocidas) const {
        for (const QString& clave : objeto.keys())
            if (!conocidas.contains(clave))
                Fallar(QStringLiteral("clave desconocida «%1»").arg(clave));
    }

    QJsonValue Obligatoria(const QJsonObject& objeto, const QString& clave) const {
        if (!objeto.contains(clave)) Fallar(QStringLiteral("falta la clave «%1»").arg(clave));
        return objeto.value(clave);
    }

    double Numero(const QJsonValue& valor, const QString& clave) const {
        if (!valor.isDouble()) Fallar(QStringLiteral("«%1» ha de ser un número").arg(clave));
        return valor.toDouble();
    }

    std::int32_t Entero(const QJsonValue& valor, const QString& clave) const {
        const auto entero = [](double x) {
            return std::floor(x) == x && x >= double(std::numeric_limits<std::int32_t>::min()) &&
                   x <= double(std::numeric_limits<std::int32_t>::max());
        };
        if (!valor.isDouble() || !entero(valor.toDouble()))
            Fallar(QStringLiteral("«%1» ha de ser un número entero").arg(clave));
        return std::int32_t(valor.toDouble());
    }

    QString Texto(const QJsonValue& valor, const QString& clave) const {
        if (!valor.isString()) Fallar(QStringLiteral("«%1» ha de ser un texto").arg(clave));
        return valor.toString();
    }

    QJsonArray Lista(const QJsonValue& valor, const QString& clave) const {
        if (!valor.isArray()) Fallar(QStringLiteral("«%1» ha de ser una lista").arg(clave));
        return valor.toArray();
    }

    // A row of periods 1, 2, ...: shorter than the horizon it is padded with zeros; longer, it is
    // refused. A horizon the records cannot hold is refused later, so only what they hold is kept.
    void Fila(const QJsonValue& valor, const QString& clave, std::int32_t N, TFilaMRP& fila) const {
        const QJsonArray numeros = Lista(valor, clave);
        if (PeriodosCalculables(N) && numeros.size() > N)
            Fallar(QStringLiteral("«%1» tiene %2 valores, más que los %3 períodos del proyecto")
                       .arg(clave)
                       .arg(numeros.size())
                       .arg(N));
        for (qsizetype k = 0; k < numeros.size(); ++k) {
            if (!numeros[k].isDouble())
                Fallar(QStringLiteral("el valor nº %1 de «%2» ha de ser un número")
                           .arg(k + 1)
                           .arg(clave));
            if (k < MaxPeriodos) fila[int(k) + 1] = numeros[k].toDouble();
        }
    }

    const QString& Lugar() const { return lugar_; }

private:
    QString lugar_;
};

Componente LeerComponente(const Lector& articulo, const QJsonValue& valor, qsizetype posicion) {
    const Lector lector(articulo.Lugar() + QStringLiteral(", componente nº %1").arg(posicion + 1));
    if (!valor.isObject()) lector.Fallar(QStringLiteral("ha de ser un objeto"));
    const QJsonObject objeto = valor.toObject();
    lector.SoloClaves(objeto, {ClaveCodigo, ClaveCantidad});
    Componente componente;
    componente.Codigo = lector.Texto(lector.Obligatoria(objeto, ClaveCodigo), ClaveCodigo);
    componente.Cantidad = lector.Numero(lector.Obligatoria(objeto, ClaveCantidad), ClaveCantidad);
    return componente;
}

ArticuloProyecto LeerArticulo(const QJsonValue& valor, qsizetype posicion, std::int32_t N) {
    const QJsonObject objeto = valor.toObject();
    const QJsonValue codigo = objeto.value(ClaveCodigo);
    const Lector lector(codigo.isString() ? QStringLiteral("Artículo «%1»").arg(codigo.toString())
                                          : QStringLiteral("Artículo nº %1").arg(posicion + 1));
    if (!valor.isObject()) lector.Fallar(QStringLiteral("ha de ser un objeto"));
    lector.SoloClaves(objeto,
                      {ClaveCodigo, ClaveDescripcion, ClaveTiempoSuministro, ClaveStockSeguridad,
                       ClaveCosteEmision, ClaveCostePosesion, ClaveLotificacion, ClaveStockInicial,
                       ClaveRecepciones, ClaveDemanda, ClaveComponentes});

    ArticuloProyecto articulo;
    articulo.Codigo = lector.Texto(lector.Obligatoria(objeto, ClaveCodigo), ClaveCodigo);
    if (objeto.contains(ClaveDescripcion))
        articulo.Descripcion = lector.Texto(objeto.value(ClaveDescripcion), ClaveDescripcion);
    Articulo& datos = articulo.Datos;
    datos.TS =
        lector.Entero(lector.Obligatoria(objeto, ClaveTiempoSuministro), ClaveTiempoSuministro);
    datos.SS = lector.Entero(lector.Obligatoria(objeto, ClaveStockSeguridad), ClaveStockSeguridad);
    datos.CE = lector.Numero(lector.Obligatoria(objeto, ClaveCosteEmision), ClaveCosteEmision);
    datos.CP = lector.Numero(lector.Obligatoria(objeto, ClaveCostePosesion), ClaveCostePosesion);
    datos.Metodo = lector.Entero(lector.Obligatoria(objeto, ClaveLotificacion), ClaveLotificacion);
    if (objeto.contains(ClaveStockInicial))
        datos.Entrada.D[1] = lector.Numero(objeto.value(ClaveStockInicial), ClaveStockInicial);
    if (objeto.contains(ClaveRecepciones))
        lector.Fila(objeto.value(ClaveRecepciones), ClaveRecepciones, N, datos.Entrada.RP);
    if (objeto.contains(ClaveDemanda))
        lector.Fila(objeto.value(ClaveDemanda), ClaveDemanda, N, articulo.DemandaIndependiente);
    if (objeto.contains(ClaveComponentes)) {
        const QJsonArray componentes =
            lector.Lista(objeto.value(ClaveComponentes), ClaveComponentes);
        for (qsizetype c = 0; c < componentes.size(); ++c)
            articulo.Componentes.push_back(LeerComponente(lector, componentes[c], c));
    }
    return articulo;
}

// ---- Writing

// One value as Qt's writer writes it: strings escaped, numbers in their shortest exact form.
QByteArray Json(const QJsonValue& valor) {
    const QByteArray lista = QJsonDocument(QJsonArray{valor}).toJson(QJsonDocument::Compact);
    return lista.mid(1, lista.size() - 2);
}

QByteArray Fila(const TFilaMRP& fila, std::int32_t N) {
    QByteArrayList numeros;
    for (std::int32_t k = 1; k <= std::clamp(N, 0, MaxPeriodos); ++k) numeros << Json(fila[k]);
    return '[' + numeros.join(", ") + ']';
}

QByteArray Clave(const QString& clave, const QByteArray& valor) {
    return "      " + Json(clave) + ": " + valor;
}

QByteArray TextoArticulo(const ArticuloProyecto& articulo, std::int32_t N) {
    const Articulo& datos = articulo.Datos;
    QByteArrayList componentes;
    for (const Componente& componente : articulo.Componentes)
        componentes << "        {" + Json(ClaveCodigo) + ": " + Json(componente.Codigo) + ", " +
                           Json(ClaveCantidad) + ": " + Json(componente.Cantidad) + '}';
    const QByteArray listaComponentes =
        componentes.isEmpty() ? QByteArray("[]") : "[\n" + componentes.join(",\n") + "\n      ]";
    const QByteArrayList claves = {
        Clave(ClaveCodigo, Json(articulo.Codigo)),
        Clave(ClaveDescripcion, Json(articulo.Descripcion)),
        Clave(ClaveTiempoSuministro, Json(datos.TS)),
        Clave(ClaveStockSeguridad, Json(datos.SS)),
        Clave(ClaveCosteEmision, Json(datos.CE)),
        Clave(ClaveCostePosesion, Json(datos.CP)),
        Clave(ClaveLotificacion, Json(datos.Metodo)),
        Clave(ClaveStockInicial, Json(datos.Entrada.D[1])),
        Clave(ClaveRecepciones, Fila(datos.Entrada.RP, N)),
        Clave(ClaveDemanda, Fila(articulo.DemandaIndependiente, N)),
        Clave(ClaveComponentes, listaComponentes),
    };
    return "    {\n" + claves.join(",\n") + "\n    }";
}

} // namespace

QByteArray TextoProyecto(const Proyecto& proyecto) {
    QByteArrayList articulos;
    for (const ArticuloProyecto& articulo : proyecto.Articulos)
        articulos << TextoArticulo(articulo, proyecto.N);
    QByteArray texto = "{\n";
    texto += "  " + Json(ClaveFormato) + ": " + Json(FormatoProyecto) + ",\n";
    texto += "  " + Json(ClaveVersion) + ": " + Json(VersionProyecto) + ",\n";
    texto += "  " + Json(ClavePeriodos) + ": " + Json(proyecto.N) + ",\n";
    texto += "  " + Json(ClaveRedondear) + ": " + Json(proyecto.Redondear) + ",\n";
    texto += "  " + Json(ClaveArticulos) + ": ";
    texto += articulos.isEmpty() ? QByteArray("[]") : "[\n" + articulos.join(",\n") + "\n  ]";
    return texto + "\n}\n";
}

Proyecto LeerTextoProyecto(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument documento = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        const auto [linea, columna] = LineaYColumna(bytes, error.offset);
        throw EFicheroProyecto(QStringLiteral("El fichero no es JSON válido (línea %1, columna "
                                              "%2): %3")
                                   .arg(linea)
                                   .arg(columna)
                                   .arg(MotivoSintaxis(error.error)));
    }
    const Lector lector(QStringLiteral("Proyecto"));
    if (!documento.isObject()) lector.Fallar(QStringLiteral("ha de ser un objeto JSON"));
    const QJsonObject objeto = documento.object();
    lector.SoloClaves(objeto,
                      {ClaveFormato, ClaveVersion, ClavePeriodos, ClaveRedondear, ClaveArticulos});
    if (lector.Texto(lector.Obligatoria(objeto, ClaveFormato), ClaveFormato) != FormatoProyecto)
        lector.Fallar(QStringLiteral("«%1» ha de ser «%2»").arg(ClaveFormato, FormatoProyecto));
    const std::int32_t version =
        lector.Entero(lector.Obligatoria(objeto, ClaveVersion), ClaveVersion);
    if (version != VersionProyecto)
        lector.Fallar(QStringLiteral("la versión %1 no se puede leer; este programa lee la %2")
                          .arg(version)
                          .arg(VersionProyecto));

    Proyecto proyecto;
    proyecto.N = lector.Entero(lector.Obligatoria(objeto, ClavePeriodos), ClavePeriodos);
    if (objeto.contains(ClaveRedondear)) {
        const QJsonValue redondear = objeto.value(ClaveRedondear);
        if (!redondear.isBool())
            lector.Fallar(QStringLiteral("«%1» ha de ser true o false").arg(ClaveRedondear));
        proyecto.Redondear = redondear.toBool();
    }
    const QJsonArray articulos =
        lector.Lista(lector.Obligatoria(objeto, ClaveArticulos), ClaveArticulos);
    for (qsizetype i = 0; i < articulos.size(); ++i)
        proyecto.Articulos.push_back(LeerArticulo(articulos[i], i, proyecto.N));
    return proyecto;
}

bool EsFicheroProyecto(const QString& ruta) {
    return QFileInfo(ruta).suffix().compare(ExtensionProyecto, Qt::CaseInsensitive) == 0;
}

Proyecto AbrirProyecto(const QString& ruta) {
    return LeerTextoProyecto(LeerFichero(ruta));
}

void GuardarProyecto(const QString& ruta, const Proyecto& proyecto) {
    EscribirFicheroSeguro(ruta, TextoProyecto(proyecto));
}

Proyecto ProyectoEjemplo() {
    QFile ejemplo(RutaEjemploProyecto);
    if (!ejemplo.open(QIODevice::ReadOnly)) throw EInOutError(ENOENT);
    return LeerTextoProyecto(ejemplo.readAll());
}
