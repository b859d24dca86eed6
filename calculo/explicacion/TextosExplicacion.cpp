// The explanation's frame: the data, the method's own blocks, the total cost.
#include "TextosExplicacion.h"

#include "LecturaNumeros.h"
#include "Numeros.h"
#include "RoturasCalculo.h"
#include "TextosLotificacion.h"

namespace {

BloqueExplicacion Datos(const ResultadoCalculo& c, const redaccion::Cifras& N) {
    const Articulo& p = c.Problema;
    BloqueExplicacion bloque;
    bloque.Titulo = QStringLiteral("Datos");
    const QString lotificacion =
        c.Tipo == TipoCalculo::Manual ? TextoCalculoManual : TextoLotificacion(p.Metodo);
    bloque.Parrafos << QStringLiteral("Lotificación: ") +
                           (lotificacion.isEmpty() ? QStringLiteral("ninguna") : lotificacion);
    QString datos = QStringLiteral("N = %1, TS = %2, SS = %3, CE = %4, CP = %5")
                        .arg(p.N)
                        .arg(p.TS)
                        .arg(N(p.SS), N(p.CE), N(p.CP));
    if (c.Tipo == TipoCalculo::Seleccionado && UsaRedondeo(p.Metodo))
        datos +=
            p.Redondear ? QStringLiteral(", con «Redondear»") : QStringLiteral(", sin «Redondear»");
    bloque.Parrafos << datos + QStringLiteral(".");
    return bloque;
}

bool EsCifra(const QString& texto) {
    try {
        StrToFloat(texto);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// A column is of figures when every row holds one in it or nothing.
void Alinear(BloqueExplicacion& bloque) {
    for (qsizetype c = 0; c < bloque.Cabecera.size(); ++c) {
        bool cifras = true;
        for (const QStringList& fila : bloque.Filas)
            cifras = cifras && (fila.value(c).isEmpty() || EsCifra(fila.value(c)));
        bloque.DeTexto.push_back(!cifras);
    }
}

} // namespace

Bloques TextosExplicacion(const ResultadoCalculo& calculo, int decimales) {
    const redaccion::Cifras N(decimales);
    Bloques bloques{Datos(calculo, N)};
    const auto parrafo = [&bloques](const QString& titulo, const QString& texto) {
        BloqueExplicacion bloque;
        bloque.Titulo = titulo;
        bloque.Parrafos << texto;
        bloques.push_back(std::move(bloque));
    };
    if (calculo.Tipo == TipoCalculo::Seleccionado && !BuscarMetodo(calculo.Problema.Metodo)) {
        parrafo(QString(), QStringLiteral("No hay ningún método seleccionado: no se ha "
                                          "planificado nada."));
        return bloques;
    }
    if (const ExplicacionMetodo* decisiones = calculo.Explicacion.Decisiones.get())
        decisiones->Redactar(calculo.Problema, calculo.Problema.Metodo, N, bloques);
    parrafo(QStringLiteral("Resultado"),
            QStringLiteral("Coste total del plan: %1.").arg(N(calculo.CosteTotal())));
    if (const QString roturas = MensajeRoturas(RoturasDelCalculo(calculo)); !roturas.isEmpty())
        bloques.back().Parrafos << roturas + QStringLiteral(".");
    for (BloqueExplicacion& bloque : bloques) Alinear(bloque);
    return bloques;
}

QStringList LineasTabuladas(const Bloques& bloques) {
    QStringList lineas;
    for (const BloqueExplicacion& bloque : bloques) {
        if (!lineas.isEmpty()) lineas << QString();
        if (!bloque.Titulo.isEmpty()) lineas << bloque.Titulo;
        lineas << bloque.Parrafos;
        if (!bloque.Cabecera.isEmpty()) {
            lineas << bloque.Cabecera.join(u'\t');
            for (const QStringList& fila : bloque.Filas) lineas << fila.join(u'\t');
        }
        lineas << bloque.Notas;
    }
    return lineas;
}
