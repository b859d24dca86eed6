// The .lot problem file: writing it from the problem's texts and reading it back in full.
#include "FicheroProblema.h"

#include "Ansi.h"
#include "Ficheros.h"
#include "LongitudCampo.h"
#include "LotificaUnit.h"
#include "Numeros.h"

#include <algorithm>

namespace {

const QString FinLinea = QStringLiteral("\r\n");
const QChar Tabulador = u'\t';
constexpr int LineasCabecera = 6;

// An empty cell travels as "0", and "0" comes back as an empty cell.
QString CampoEscrito(const QString& texto) {
    return texto.isEmpty() ? QStringLiteral("0") : texto;
}
QString CampoLeido(const QString& texto) {
    return texto == QStringLiteral("0") ? QString() : texto;
}

// The first nine lines of the text as the problem reader sees them: a line's text runs to its
// first CR or LF and the line ends after the next LF, so a CR before other text hides that text.
std::array<QString, NumeroLineasProblema> LineasProblema(QByteArray bytes) {
    const qsizetype finTexto = bytes.indexOf('\x1A'); // Ctrl-Z ends the readable text
    if (finTexto >= 0) bytes.truncate(finTexto);
    const QString texto = DesdeAnsi(bytes);

    std::array<QString, NumeroLineasProblema> lineas;
    qsizetype posicion = 0;
    for (QString& linea : lineas) {
        if (posicion >= texto.size()) break; // the missing lines stay empty
        qsizetype fin = posicion;
        while (fin < texto.size() && texto[fin] != u'\r' && texto[fin] != u'\n') ++fin;
        linea = texto.mid(posicion, fin - posicion);
        const qsizetype saltoLinea = texto.indexOf(u'\n', fin);
        posicion = saltoLinea < 0 ? texto.size() : saltoLinea + 1;
    }
    return lineas;
}

// The value of a header line starts two characters after its first "=": the character after
// "=" is skipped whatever it is, and a line without "=" loses its first character.
QString ValorCabecera(const QString& linea) {
    return linea.mid(linea.indexOf(u'=') + 2);
}

// The value of a header line that goes into an edit field, cut as the field cuts it.
QString ValorCampo(const QString& linea) {
    return ValorCabecera(linea).left(LongitudMaximaCampo);
}

// Splits a data line into the texts of columns 1 to max(N, 1): one field per TAB for the
// columns before N (empty once the TABs run out), and the whole rest of the line for the last.
QStringList CamposFila(QString resto, std::int32_t n) {
    QStringList campos;
    for (std::int32_t columna = 1; columna < n; ++columna) {
        const qsizetype tabulador = resto.indexOf(Tabulador);
        if (tabulador < 0) {
            campos.append(QString());
        } else {
            campos.append(CampoLeido(resto.left(tabulador)));
            resto.remove(0, tabulador + 1);
        }
    }
    campos.append(CampoLeido(resto));
    return campos;
}

} // namespace

QByteArray TextoProblema(const TextosProblema& problema, const TextosCelda& celdas) {
    QString texto;
    texto += QStringLiteral("Nº períodos = ") + problema.NPeriodos + FinLinea;
    texto += QStringLiteral("Tiempo de suministro = ") + problema.TS + FinLinea;
    texto += QStringLiteral("Stock de seguridad = ") + problema.SS + FinLinea;
    texto += QStringLiteral("Coste de emisión = ") + problema.CE + FinLinea;
    texto += QStringLiteral("Coste de posesión = ") + problema.CP + FinLinea;
    texto +=
        QStringLiteral("Tipo de lotificación = ") + QString::number(problema.Metodo) + FinLinea;

    const std::int32_t n = StrToInt(problema.NPeriodos);
    for (const int fila : {FilaNB, FilaD, FilaRP}) {
        for (std::int32_t columna = 1; columna < n; ++columna)
            texto += CampoEscrito(celdas.Celda(columna, fila)) + Tabulador;
        texto += CampoEscrito(celdas.Celda(n, fila)) + FinLinea;
    }
    return AAnsi(texto);
}

ProblemaLeido LeerTextoProblema(const QByteArray& bytes) {
    const std::array<QString, NumeroLineasProblema> lineas = LineasProblema(bytes);

    ProblemaLeido leido;
    leido.NPeriodos = ValorCampo(lineas[0]);
    leido.TS = ValorCampo(lineas[1]);
    leido.SS = ValorCampo(lineas[2]);
    leido.CE = ValorCampo(lineas[3]);
    leido.CP = ValorCampo(lineas[4]);
    leido.Metodo = std::clamp(StrToInt(ValorCabecera(lineas[5])), -1, UltimoItemRadio);
    leido.N = StrToInt(leido.NPeriodos);

    // A longer horizon is refused when the problem is opened; splitting it would only waste
    // memory. A negative one still fills column 1, as a line without N would.
    if (leido.N > MaxPeriodos) return leido;
    for (std::size_t fila = 0; fila < leido.filas.size(); ++fila)
        leido.filas[fila] = CamposFila(lineas[LineasCabecera + fila], leido.N);
    return leido;
}

void AplicarProblema(const ProblemaLeido& leido, TextosProblema& problema, TextosCelda& celdas) {
    problema.NPeriodos = leido.NPeriodos;
    problema.TS = leido.TS;
    problema.SS = leido.SS;
    problema.CE = leido.CE;
    problema.CP = leido.CP;
    problema.Metodo = leido.Metodo;
    for (std::size_t fila = 0; fila < leido.filas.size(); ++fila) {
        const QStringList& campos = leido.filas[fila];
        for (qsizetype columna = 0; columna < campos.size(); ++columna)
            celdas.PonerCelda(int(columna) + 1, FilaNB + int(fila), campos[columna]);
    }
}

bool AbrirProblema(const QString& ruta, TextosProblema& problema, TextosCelda& celdas,
                   const Avisar& avisar) {
    const ProblemaLeido leido = LeerTextoProblema(LeerLineas(ruta, NumeroLineasProblema));
    if (!AdmitirPeriodosDeRejilla(leido.N, avisar)) return false;
    AplicarProblema(leido, problema, celdas);
    return true;
}
