// The report as a PDF, read back with poppler's tools: what a student hands in.
#include "EntradaEjemplo.h"
#include "Numeros.h"
#include "PinturaInforme.h"
#include "TextoPdf.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <numeric>

namespace {

class PdfInforme : public testing::Test {
protected:
    QTemporaryDir carpeta;

    // The report written as a file; its path.
    QString Escribir(const EntradaInforme& entrada) {
        const QString ruta = carpeta.filePath(QStringLiteral("informe.pdf"));
        QFile fichero(ruta);
        EXPECT_TRUE(fichero.open(QIODevice::WriteOnly | QIODevice::Truncate));
        fichero.write(InformePdf(ConstruirInforme(entrada)));
        return ruta;
    }
};

} // namespace

TEST_F(PdfInforme, ElEjemploEnUnaPagina) {
    EntradaInforme entrada = EntradaEjemplo();
    entrada.FicheroProblema = "/aula/ej1.lot";
    Calcular(entrada);
    const QString ruta = Escribir(entrada);
    const QString texto = TextoPdf(ruta);
    ComprobarInformeEjemplo(texto);
    EXPECT_TRUE(TieneLinea(texto, {"Problema:", "ej1.lot"}));
    EXPECT_TRUE(texto.contains("Página 1 de 1"));
    EXPECT_EQ(PaginasPdf(ruta), 1);
}

// Ninety-nine periods take several blocks of columns, each with every row, and every period
// appears once.
TEST_F(PdfInforme, NoventaYNuevePeriodosEnVariosBloques) {
    EntradaInforme entrada;
    entrada.Problema.NPeriodos = "99";
    entrada.Problema.CE = "250";
    entrada.Problema.CP = "0,5";
    entrada.Problema.Metodo = LotificacionSilverMeal;
    entrada.Celdas = CeldasIniciales(99);
    for (int c = 1; c <= 99; ++c)
        entrada.Celdas.PonerCelda(c, FilaNB, QString::number(10 * (c % 7) + 5 * (c % 3)));
    Calcular(entrada);
    const QString ruta = Escribir(entrada);
    const QString texto = TextoPdf(ruta);

    const std::vector<std::vector<int>> bloques = BloquesDePeriodos(texto);
    EXPECT_GT(bloques.size(), 1u);
    std::vector<int> periodos;
    for (const std::vector<int>& bloque : bloques)
        periodos.insert(periodos.end(), bloque.begin(), bloque.end());
    std::vector<int> esperados(99);
    std::iota(esperados.begin(), esperados.end(), 1);
    EXPECT_EQ(periodos, esperados);
    for (const char* fila : {"NB", "D", "RP", "NN", "RPPL", "PPL", "Ce", "Cp", "CTotal"})
        EXPECT_EQ(texto.count(QRegularExpression(QStringLiteral("^\\s*%1\\s").arg(fila),
                                                 QRegularExpression::MultilineOption)),
                  qsizetype(bloques.size()))
            << fila;
    EXPECT_TRUE(TieneLinea(texto, {"Coste", "total:", FloatToStr(entrada.Calculo->CosteTotal())}));
    EXPECT_GE(PaginasPdf(ruta), 2);
}
