// The help's sections in the manual's order and names: NOMBRE, SINOPSIS, DESCRIPCIÓN, OPCIONES,
// ESTADO DE SALIDA, EJEMPLOS.
#include "PaginaManual.h"

#include "Ayuda.h"

#ifndef QUELMAR_VERSION
#error "QUELMAR_VERSION must be defined by the build"
#endif

namespace {

// A text as roff reads it literally. Minus signs are written as such, so that options and
// commands copied from the page work.
QString Roff(const QString& texto, bool literal = false) {
    QString roff = texto;
    roff.replace(u'\\', QStringLiteral("\\e"));
    if (literal) roff.replace(u'-', QStringLiteral("\\-"));
    // A line that starts with a period or an apostrophe would be taken for a request.
    if (roff.startsWith(u'.') || roff.startsWith(u'\'')) roff.prepend(QStringLiteral("\\&"));
    return roff + u'\n';
}

// Words that stay on one line: their blanks become roff's unbreakable ones.
QString Junto(const QString& texto) {
    return Roff(texto, true).trimmed().replace(u' ', QStringLiteral("\\ "));
}

// A list of options breaks after its commas only.
QString Termino(const QString& termino) {
    QStringList piezas = termino.split(QStringLiteral(", "));
    for (QString& pieza : piezas) pieza = Junto(pieza);
    return piezas.join(QStringLiteral(", ")) + u'\n';
}

QString Entrada(const EntradaAyuda& entrada) {
    return QStringLiteral(".TP\n.B ") + Termino(entrada.termino) + Roff(entrada.explicacion);
}

} // namespace

QString PaginaManual() {
    const DatosAyuda& ayuda = Ayuda();
    QString pagina = QStringLiteral(".TH ") + Roff(ayuda.programa.toUpper(), true).trimmed() +
                     QStringLiteral(" 1 \"\" \"Quelmar " QUELMAR_VERSION "\" \"") +
                     Roff(QStringLiteral("Órdenes de usuario")).trimmed() + QStringLiteral("\"\n");
    // Spanish words, and the formatter hyphenates with English patterns; ragged lines rather
    // than the wide gaps that long options leave in justified ones.
    pagina += QStringLiteral(".nh\n.ad l\n");

    pagina += QStringLiteral(".SH NOMBRE\n") + Roff(ayuda.programa, true).trimmed() +
              QStringLiteral(" \\- ") + Roff(ayuda.resumen);

    pagina += QStringLiteral(".SH SINOPSIS\n");
    for (const QString& forma : ayuda.sinopsis) {
        QStringList piezas = PiezasDeSinopsis(forma);
        for (QString& pieza : piezas) pieza = Junto(pieza);
        pagina +=
            QStringLiteral(".PP\n.B ") + Roff(ayuda.programa, true) + piezas.join(u' ') + u'\n';
    }

    pagina += QStringLiteral(".SH ") + Roff(QStringLiteral("DESCRIPCIÓN"));
    for (const QString& parrafo : ayuda.descripcion)
        pagina += QStringLiteral(".PP\n") + Roff(parrafo);

    pagina += QStringLiteral(".SH OPCIONES\n");
    for (const OrdenDeAyuda& orden : ayuda.ordenes) {
        pagina += QStringLiteral(".SS ") + Roff(orden.nombre, true) + Roff(orden.explicacion);
        for (const EntradaAyuda& opcion : orden.opciones) pagina += Entrada(opcion);
    }
    pagina += QStringLiteral(".SS Generales\n");
    for (const EntradaAyuda& opcion : ayuda.generales) pagina += Entrada(opcion);

    pagina += QStringLiteral(".SH \"ESTADO DE SALIDA\"\n");
    for (const EntradaAyuda& estado : ayuda.estados) pagina += Entrada(estado);

    pagina += QStringLiteral(".SH EJEMPLOS\n");
    for (const EntradaAyuda& ejemplo : ayuda.ejemplos)
        pagina += QStringLiteral(".PP\n") + Roff(ejemplo.explicacion) +
                  QStringLiteral(".PP\n.RS\n.nf\n") + Roff(ejemplo.termino, true) +
                  QStringLiteral(".fi\n.RE\n");
    return pagina;
}
