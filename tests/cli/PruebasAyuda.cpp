// The help: what it names is what the tool accepts, and it fits a terminal.
#include "Argumentos.h"
#include "Ayuda.h"

#include <gtest/gtest.h>

// Every option the help describes, given as the help writes it, is taken by its order.
TEST(AyudaCli, CadaOpcionDeLaAyudaSeAcepta) {
    for (const OrdenDeAyuda& orden : Ayuda().ordenes) {
        for (const EntradaAyuda& opcion : orden.opciones) {
            for (const QString& forma : opcion.termino.split(QStringLiteral(", "))) {
                SCOPED_TRACE(forma.toStdString());
                QStringList argumentos = {orden.nombre};
                if (orden.nombre == QStringLiteral("resolver") ||
                    orden.nombre == QStringLiteral("comparar") ||
                    orden.nombre == QStringLiteral("informe"))
                    argumentos << QStringLiteral("p.lot");
                if (orden.nombre == QStringLiteral("explotar")) {
                    argumentos << QStringLiteral("p.mrp");
                    if (!forma.startsWith(QStringLiteral("-o ")))
                        argumentos << QStringLiteral("-o") << QStringLiteral("c");
                }
                if (orden.nombre == QStringLiteral("informe") &&
                    !forma.startsWith(QStringLiteral("-o ")))
                    argumentos << QStringLiteral("-o") << QStringLiteral("i.pdf");
                if (orden.nombre == QStringLiteral("corregir"))
                    argumentos << QStringLiteral("p.lot") << QStringLiteral("a.sol");
                if (orden.nombre == QStringLiteral("ejercicios") &&
                    !forma.startsWith(QStringLiteral("-o ")))
                    argumentos << QStringLiteral("-o") << QStringLiteral("hoja");
                if (orden.nombre == QStringLiteral("importar")) {
                    argumentos << QStringLiteral("h.csv");
                    if (!forma.startsWith(QStringLiteral("-o ")))
                        argumentos << QStringLiteral("-o") << QStringLiteral("p.lot");
                }
                if (orden.nombre == QStringLiteral("experimentos") &&
                    !forma.startsWith(QStringLiteral("--traza ")))
                    argumentos << QStringLiteral("--traza") << QStringLiteral("t.txt");
                const QStringList palabras = forma.split(u' ');
                argumentos << palabras.front();
                if (palabras.size() == 2) argumentos << QStringLiteral("1");
                EXPECT_NO_THROW(LeerArgumentos(argumentos));
            }
        }
    }
    for (const EntradaAyuda& opcion : Ayuda().generales)
        EXPECT_NO_THROW(LeerArgumentos({opcion.termino})) << opcion.termino.toStdString();
}

TEST(AyudaCli, TextoEnLineasDeTerminal) {
    const QString uso = TextoUso();
    EXPECT_TRUE(uso.startsWith(QStringLiteral("Uso: quelmar-cli resolver PROBLEMA.lot")));
    EXPECT_TRUE(uso.endsWith(QStringLiteral("\n     quelmar-cli --help | --version\n")));
    for (const QString& opcion : OpcionesDeCampo())
        EXPECT_TRUE(uso.contains(QStringLiteral("[%1 T]").arg(opcion))) << opcion.toStdString();
    const QString ayuda = TextoAyuda();
    EXPECT_TRUE(ayuda.startsWith(uso));
    for (const QString& linea : ayuda.split(u'\n'))
        EXPECT_LE(linea.size(), 79) << linea.toStdString();
}
