// Reading the first sheet of an .xlsx workbook: minizip opens the zip package from memory and
// QXmlStreamReader reads its parts (the workbook's list of sheets, its relations, the shared
// strings and the sheet itself).
#include "LecturaHoja.h"

#include "Numeros.h"

#include <QXmlStreamReader>

#include <unzip.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace {

// The package in memory, as minizip's file functions see it.
struct Memoria {
    const QByteArray* bytes;
    ZPOS64_T posicion = 0;
};

voidpf Abrir(voidpf opaco, const void*, int) {
    static_cast<Memoria*>(opaco)->posicion = 0;
    return opaco;
}

uLong Leer(voidpf, voidpf flujo, void* destino, uLong n) {
    auto* m = static_cast<Memoria*>(flujo);
    const auto tamano = ZPOS64_T(m->bytes->size());
    const uLong leidos = uLong(std::min<ZPOS64_T>(n, tamano - std::min(m->posicion, tamano)));
    std::memcpy(destino, m->bytes->constData() + m->posicion, leidos);
    m->posicion += leidos;
    return leidos;
}

uLong Escribir(voidpf, voidpf, const void*, uLong) {
    return 0;
}

ZPOS64_T Posicion(voidpf, voidpf flujo) {
    return static_cast<Memoria*>(flujo)->posicion;
}

long Mover(voidpf, voidpf flujo, ZPOS64_T desplazamiento, int origen) {
    auto* m = static_cast<Memoria*>(flujo);
    const auto tamano = ZPOS64_T(m->bytes->size());
    ZPOS64_T base = 0;
    if (origen == ZLIB_FILEFUNC_SEEK_CUR) base = m->posicion;
    if (origen == ZLIB_FILEFUNC_SEEK_END) base = tamano;
    if (desplazamiento > tamano || base + desplazamiento > tamano) return -1;
    m->posicion = base + desplazamiento;
    return 0;
}

int Cerrar(voidpf, voidpf) {
    return 0;
}

int Error(voidpf, voidpf) {
    return 0;
}

// A part larger than this is refused rather than inflated: no sheet of requirements comes near.
constexpr qsizetype MaximoParte = 64 * 1024 * 1024;

struct CerrarZip {
    void operator()(unzFile zip) const { unzClose(zip); }
};

class Paquete {
public:
    explicit Paquete(const QByteArray& bytes) : memoria_{&bytes} {
        zlib_filefunc64_def funciones{};
        funciones.zopen64_file = Abrir;
        funciones.zread_file = Leer;
        funciones.zwrite_file = Escribir;
        funciones.ztell64_file = Posicion;
        funciones.zseek64_file = Mover;
        funciones.zclose_file = Cerrar;
        funciones.zerror_file = Error;
        funciones.opaque = &memoria_;
        zip_.reset(unzOpen2_64("", &funciones));
    }

    bool Abierto() const { return zip_ != nullptr; }

    // The part's bytes; nothing when it is not there or cannot be inflated.
    std::optional<QByteArray> Parte(const QString& nombre) {
        if (unzLocateFile(zip_.get(), nombre.toUtf8().constData(), 2) != UNZ_OK) return {};
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(zip_.get(), &info, nullptr, 0, nullptr, 0, nullptr, 0) !=
                UNZ_OK ||
            info.uncompressed_size > ZPOS64_T(MaximoParte) ||
            unzOpenCurrentFile(zip_.get()) != UNZ_OK)
            return {};
        QByteArray parte(qsizetype(info.uncompressed_size), Qt::Uninitialized);
        const int leidos = unzReadCurrentFile(zip_.get(), parte.data(), unsigned(parte.size()));
        const bool completa = unzCloseCurrentFile(zip_.get()) == UNZ_OK;
        if (leidos != parte.size() || !completa) return {};
        return parte;
    }

private:
    Memoria memoria_;
    std::unique_ptr<void, CerrarZip> zip_;
};

// The relation id of the first sheet listed in the workbook.
QString PrimeraHoja(const QByteArray& libro) {
    QXmlStreamReader xml(libro);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"sheet") continue;
        for (const QXmlStreamAttribute& atributo : xml.attributes())
            if (atributo.name() == u"id") return atributo.value().toString();
        return {};
    }
    return {};
}

// The part a relation of the workbook names, as a path in the package.
QString Destino(const QByteArray& relaciones, const QString& id) {
    QXmlStreamReader xml(relaciones);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"Relationship") continue;
        if (xml.attributes().value(QLatin1String("Id")) != id) continue;
        const QString destino = xml.attributes().value(QLatin1String("Target")).toString();
        return destino.startsWith(u'/') ? destino.mid(1) : QStringLiteral("xl/") + destino;
    }
    return {};
}

// The text of an <si> or <is> element: its <t> pieces, rich runs included, phonetic ones not.
QString TextoDeElemento(QXmlStreamReader& xml) {
    QString texto;
    int fonetica = 0;
    const QString fin = xml.name().toString();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"rPh") ++fonetica;
        if (xml.isEndElement() && xml.name() == u"rPh") --fonetica;
        if (xml.isStartElement() && xml.name() == u"t" && fonetica == 0)
            texto += xml.readElementText();
        if (xml.isEndElement() && xml.name() == fin) break;
    }
    return texto;
}

QStringList CadenasCompartidas(const QByteArray& parte) {
    QStringList cadenas;
    QXmlStreamReader xml(parte);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"si") cadenas << TextoDeElemento(xml);
    }
    return cadenas;
}

// "B12" as (column 1, row 11); nothing for anything else.
std::optional<std::pair<int, int>> Referencia(QStringView referencia) {
    qsizetype i = 0;
    long long columna = 0, fila = 0;
    for (; i < referencia.size() && referencia[i].isUpper(); ++i)
        columna = columna * 26 + (referencia[i].unicode() - u'A' + 1);
    if (i == 0 || i == referencia.size() || columna > 16384) return {};
    for (; i < referencia.size() && referencia[i].isDigit(); ++i) {
        fila = fila * 10 + referencia[i].digitValue();
        if (fila > 1048576) return {};
    }
    if (i != referencia.size() || fila == 0) return {};
    return std::pair{int(columna - 1), int(fila - 1)};
}

void PonerCelda(TablaLeida& tabla, int columna, int fila, CeldaLeida celda) {
    if (tabla.size() <= std::size_t(fila)) tabla.resize(std::size_t(fila) + 1);
    auto& cells = tabla[std::size_t(fila)];
    if (cells.size() <= std::size_t(columna)) cells.resize(std::size_t(columna) + 1);
    cells[std::size_t(columna)] = std::move(celda);
}

// One <c> element: its value by its type, a number only for a numeric cell.
CeldaLeida LeerCelda(QXmlStreamReader& xml, const QStringList& compartidas) {
    const QString tipo = xml.attributes().value(QLatin1String("t")).toString();
    QString valor;
    bool hayValor = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"v") {
            valor = xml.readElementText();
            hayValor = true;
        } else if (xml.isStartElement() && xml.name() == u"is") {
            valor = TextoDeElemento(xml);
            hayValor = true;
        } else if (xml.isEndElement() && xml.name() == u"c") {
            break;
        }
    }
    if (!hayValor) return {};
    if (tipo == u"s") {
        bool bien = false;
        const int indice = valor.toInt(&bien);
        return {bien && indice >= 0 && indice < compartidas.size() ? compartidas[indice]
                                                                   : QString(),
                std::nullopt};
    }
    if (tipo.isEmpty() || tipo == u"n") {
        bool bien = false;
        const double numero = valor.toDouble(&bien); // the C locale, as the file writes it
        if (bien && std::isfinite(numero)) return {FormatoExacto(numero), numero};
    }
    if (tipo == u"b")
        return {valor == u"1" ? QStringLiteral("VERDADERO") : QStringLiteral("FALSO"),
                std::nullopt};
    return {valor, std::nullopt};
}

TablaLeida LeerCeldas(const QByteArray& parte, const QStringList& compartidas, bool& bien) {
    TablaLeida tabla;
    QXmlStreamReader xml(parte);
    int fila = -1, columna = -1;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"row") {
            bool numero = false;
            const int r = xml.attributes().value(QLatin1String("r")).toInt(&numero);
            fila = numero && r > 0 ? r - 1 : fila + 1;
            columna = -1;
        } else if (xml.name() == u"c") {
            const auto referencia = Referencia(xml.attributes().value(QLatin1String("r")));
            if (referencia) {
                columna = referencia->first;
                fila = referencia->second;
            } else {
                ++columna;
            }
            PonerCelda(tabla, columna, std::max(fila, 0), LeerCelda(xml, compartidas));
        }
    }
    bien = !xml.hasError();
    return tabla;
}

} // namespace

std::optional<TablaLeida> LeerXlsx(const QByteArray& bytes) {
    Paquete paquete(bytes);
    if (!paquete.Abierto()) return {};
    QString hoja = QStringLiteral("xl/worksheets/sheet1.xml");
    const std::optional<QByteArray> libro = paquete.Parte(QStringLiteral("xl/workbook.xml"));
    const std::optional<QByteArray> relaciones =
        paquete.Parte(QStringLiteral("xl/_rels/workbook.xml.rels"));
    if (libro && relaciones) {
        const QString destino = Destino(*relaciones, PrimeraHoja(*libro));
        if (!destino.isEmpty()) hoja = destino;
    }
    const std::optional<QByteArray> parte = paquete.Parte(hoja);
    if (!parte) return {};
    QStringList compartidas;
    if (const std::optional<QByteArray> cadenas =
            paquete.Parte(QStringLiteral("xl/sharedStrings.xml")))
        compartidas = CadenasCompartidas(*cadenas);
    bool bien = false;
    TablaLeida tabla = LeerCeldas(*parte, compartidas, bien);
    if (!bien) return {};
    return tabla;
}
