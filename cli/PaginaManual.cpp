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
    QString roff;
    for (const char32_t c : texto.toUcs4()) {
        if (c == U'\\')
            roff += QStringLiteral("\\e");
        else if (c == U'-' && literal)
            roff += QStringLiteral("\\-");
        else if (c < 0x80)
            roff += QChar(static_cast<char16_t>(c));
        else
            roff += QStringLiteral("\\[u") +
                    QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, u'0') +
                    u']';
    }
    // A line that starts with a period or an apostrophe would be taken for a request.
    if (roff.startsWith(u'.') || roff.startsWith(u'\'')) roff.prepend(QStringLiteral("\\&"));
    return roff + u'\n';
}

QString Entrada(const EntradaAyuda& entrada) {
    return QStringLiteral(".TP\n.B ") + Roff(entrada.termino, true) + Roff(entrada.explicacion);
}

} // namespace

QString PaginaManual() {
    const DatosAyuda& ayuda = Ayuda();
    QString pagina = QStringLiteral(".TH ") + Roff(ayuda.programa.toUpper(), true).trimmed() +
                     QStringLiteral(" 1 \"\" \"Quelmar " QUELMAR_VERSION "\" \"") +
                     Roff(QStringLiteral("Órdenes de usuario")).trimmed() + QStringLiteral("\"\n");

    pagina += QStringLiteral(".SH NOMBRE\n") + Roff(ayuda.programa, true).trimmed() +
              QStringLiteral(" \\- ") + Roff(ayuda.resumen);

    pagina += QStringLiteral(".SH SINOPSIS\n");
    for (const QString& forma : ayuda.sinopsis)
        pagina += QStringLiteral(".PP\n.B ") + Roff(ayuda.programa, true) + Roff(forma, true);

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
