// Finding the requirements in a sheet and checking every figure with the grid's own reader.
#include "NecesidadesDeHoja.h"

#include "Errores.h"
#include "Ficheros.h"
#include "Horizonte.h"
#include "LecturaNumeros.h"
#include "Numeros.h"

#include <algorithm>
#include <exception>

namespace {

bool Llena(const CeldaLeida& celda) {
    return celda.numero || !celda.texto.trimmed().isEmpty();
}

// The sheet seen along rows or, transposed, along columns: line l, position p.
class Vista {
public:
    Vista(const TablaLeida& tabla, bool porColumnas) : tabla_(tabla), porColumnas_(porColumnas) {}

    const CeldaLeida& Celda(int linea, int posicion) const {
        const int fila = porColumnas_ ? posicion : linea;
        const int columna = porColumnas_ ? linea : posicion;
        static const CeldaLeida vacia;
        if (std::size_t(fila) >= tabla_.size()) return vacia;
        const auto& celdas = tabla_[std::size_t(fila)];
        return std::size_t(columna) < celdas.size() ? celdas[std::size_t(columna)] : vacia;
    }

    // "Fila 3, columna B", as a spreadsheet names the cell.
    QString Nombre(int linea, int posicion) const {
        const int fila = porColumnas_ ? posicion : linea;
        const int columna = porColumnas_ ? linea : posicion;
        return QStringLiteral("Fila %1, columna %2").arg(fila + 1).arg(NombreColumna(columna));
    }

private:
    const TablaLeida& tabla_;
    bool porColumnas_;
};

// A name over a line: not a number, and starting with a letter, so that a mistyped figure such as
// «12a» is reported rather than taken for one.
bool EsCabecera(const CeldaLeida& celda) {
    if (celda.numero) return false;
    const QString texto = celda.texto.trimmed();
    if (texto.isEmpty() || !texto.front().isLetter()) return false;
    try {
        StrToFloat(texto);
        return false;
    } catch (const std::exception&) {
        return true;
    }
}

} // namespace

std::variant<NecesidadesImportadas, QString> NecesidadesDeHoja(const TablaLeida& tabla) {
    // The rectangle of the filled cells.
    int primeraFila = -1, ultimaFila = -1, primeraColumna = -1, ultimaColumna = -1;
    for (std::size_t f = 0; f < tabla.size(); ++f)
        for (std::size_t c = 0; c < tabla[f].size(); ++c) {
            if (!Llena(tabla[f][c])) continue;
            if (primeraFila < 0) primeraFila = int(f);
            ultimaFila = int(f);
            primeraColumna = primeraColumna < 0 ? int(c) : std::min(primeraColumna, int(c));
            ultimaColumna = std::max(ultimaColumna, int(c));
        }
    const QString sinNecesidades = QStringLiteral("La hoja no tiene ninguna necesidad bruta.");
    if (primeraFila < 0) return sinNecesidades;
    const int filas = ultimaFila - primeraFila + 1;
    const int columnas = ultimaColumna - primeraColumna + 1;
    // Two rows of two figures could be either: rows, as a sheet is most often read.
    const bool porColumnas = filas > 2;
    if (porColumnas && columnas > 2)
        return QStringLiteral("Ponga las necesidades brutas en una sola fila o columna de la hoja, "
                              "y las recepciones programadas, si las hay, en la siguiente.");
    const Vista vista(tabla, porColumnas);
    const int lineaNB = porColumnas ? primeraColumna : primeraFila;
    const int lineas = porColumnas ? columnas : filas;
    int inicio = porColumnas ? primeraFila : primeraColumna;
    const int fin = porColumnas ? ultimaFila : ultimaColumna;
    if (EsCabecera(vista.Celda(lineaNB, inicio))) ++inicio;

    NecesidadesImportadas necesidades;
    necesidades.N = fin - inicio + 1;
    if (necesidades.N <= 0) return sinNecesidades;
    if (!PeriodosCalculables(necesidades.N))
        return QStringLiteral("La hoja tiene %1 períodos de necesidades brutas, y el máximo es %2.")
            .arg(necesidades.N)
            .arg(MaxPeriodos);
    for (int l = 0; l < 2; ++l) {
        QStringList& textos = l == 0 ? necesidades.NB : necesidades.RP;
        for (int p = inicio; p <= fin; ++p) {
            if (l >= lineas) {
                textos << QString();
                continue;
            }
            const CeldaLeida& celda = vista.Celda(lineaNB + l, p);
            if (celda.numero) {
                textos << FloatToStr(*celda.numero);
                continue;
            }
            const QString texto = celda.texto.trimmed();
            if (!texto.isEmpty()) {
                try {
                    StrToFloat(texto);
                } catch (const std::exception&) {
                    return QStringLiteral("%1: «%2» no es un número.")
                        .arg(vista.Nombre(lineaNB + l, p), TextoEnMensaje(texto));
                }
            }
            textos << texto;
        }
    }
    if (std::all_of(necesidades.NB.begin(), necesidades.NB.end(),
                    [](const QString& t) { return t.isEmpty(); }))
        return sinNecesidades;
    return necesidades;
}

std::optional<NecesidadesImportadas> LeerNecesidades(const QString& ruta, const Avisar& avisar) {
    const HojaLeida hoja = LeerPrimeraHoja(LeerFichero(ruta));
    if (!hoja.fallo.isEmpty()) {
        avisar(hoja.fallo);
        return std::nullopt;
    }
    auto leidas = NecesidadesDeHoja(hoja.celdas);
    if (const QString* aviso = std::get_if<QString>(&leidas)) {
        avisar(*aviso);
        return std::nullopt;
    }
    return std::get<NecesidadesImportadas>(std::move(leidas));
}

void PonerNecesidades(const NecesidadesImportadas& necesidades, TextosProblema& problema,
                      TextosCelda& celdas) {
    problema.NPeriodos = QString::number(necesidades.N);
    for (int c = 1; c <= EntradasFila; ++c) {
        const auto i = qsizetype(c - 1);
        celdas.PonerCelda(c, FilaNB, necesidades.NB.value(i));
        celdas.PonerCelda(c, FilaRP, necesidades.RP.value(i));
    }
}
