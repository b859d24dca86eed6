// Reading back the PDFs the tests write, with poppler's tools: the text as laid out on the pages,
// the number of pages, and the grid's period headings found in the text.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

// The output of a tool run on the file; empty when it could not run.
inline QString SalidaDe(const QString& programa, const QStringList& argumentos) {
    QProcess proceso;
    proceso.start(programa, argumentos);
    if (!proceso.waitForFinished(60000) || proceso.exitCode() != 0) return {};
    return QString::fromUtf8(proceso.readAllStandardOutput());
}

// The text of every page, columns kept apart as they stand on the page.
inline QString TextoPdf(const QString& ruta) {
    return SalidaDe(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), ruta, "-"});
}

// The number of pages; 0 when the file is not a PDF.
inline int PaginasPdf(const QString& ruta) {
    const QString info = SalidaDe(QStringLiteral("pdfinfo"), {ruta});
    const QRegularExpressionMatch paginas = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                                               QRegularExpression::MultilineOption)
                                                .match(info);
    return paginas.hasMatch() ? paginas.captured(1).toInt() : 0;
}

// The heading rows of the grid's blocks: lines of two or more consecutive period numbers, each
// block's as one list. Only the text before the total cost is the grid's: the chart's axis below
// it numbers periods too.
inline std::vector<std::vector<int>> BloquesDePeriodos(const QString& texto) {
    std::vector<std::vector<int>> bloques;
    const QString rejilla = texto.left(texto.indexOf(QStringLiteral("Coste total:")));
    for (const QString& linea : rejilla.split(u'\n')) {
        const QStringList piezas = linea.simplified().split(u' ', Qt::SkipEmptyParts);
        std::vector<int> numeros;
        bool seguidos = piezas.size() >= 2;
        for (const QString& pieza : piezas) {
            bool esNumero = false;
            const int n = pieza.toInt(&esNumero);
            if (!esNumero || (!numeros.empty() && n != numeros.back() + 1)) seguidos = false;
            numeros.push_back(n);
        }
        if (seguidos) bloques.push_back(numeros);
    }
    return bloques;
}

// A line of the text holds the words in this order, whatever the blanks between them.
inline bool TieneLinea(const QString& texto, const QStringList& palabras) {
    QStringList escapadas;
    for (const QString& palabra : palabras) escapadas << QRegularExpression::escape(palabra);
    return QRegularExpression(QStringLiteral("^\\s*") + escapadas.join(QStringLiteral("\\s+")) +
                                  QStringLiteral("\\s*$"),
                              QRegularExpression::MultilineOption)
        .match(texto)
        .hasMatch();
}

// The report of the worked example calculated lot for lot: its title, parameters, the heading of
// its eight periods and the total cost, each on a line of its own.
inline void ComprobarInformeEjemplo(const QString& texto) {
    SCOPED_TRACE(texto.toStdString());
    EXPECT_TRUE(TieneLinea(texto, {QStringLiteral("Quelmar — plan de lotificación")}));
    const QStringList parametros[] = {{"Nº", "períodos:", "8"},
                                      {"Tiempo", "de", "suministro:", "1"},
                                      {"Stock", "de", "seguridad:", "0"},
                                      {"Coste", "de", "emisión:", "100"},
                                      {"Coste", "de", "posesión:", "1"},
                                      {"Lotificación:", "Lote", "a", "lote"},
                                      {"Redondear:", "Sí"}};
    for (const QStringList& linea : parametros)
        EXPECT_TRUE(TieneLinea(texto, linea)) << linea.join(' ').toStdString();
    EXPECT_EQ(BloquesDePeriodos(texto), (std::vector<std::vector<int>>{{1, 2, 3, 4, 5, 6, 7, 8}}));
    EXPECT_TRUE(
        TieneLinea(texto, {"CTotal", "110", "100", "100", "100", "100", "100", "100", "710"}));
    EXPECT_TRUE(TieneLinea(texto, {"Coste", "total:", "710"}));
}
