// The report as a PDF, read back with poppler's tools: what a student hands in.
#include "EntradaEjemplo.h"
#include "MaquetaInforme.h"
#include "Numeros.h"
#include "PinturaInforme.h"
#include "TextoPdf.h"

#include <QFile>
#include <QImage>
#include <QPainter>
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

TEST_F(PdfInforme, ElEjemploEnUnaPaginaYConLaComparacionEnDos) {
    EntradaInforme entrada = EntradaEjemplo();
    entrada.FicheroProblema = "/aula/ej1.lot";
    Calcular(entrada);
    QString ruta = Escribir(entrada);
    QString texto = TextoPdf(ruta);
    ComprobarInformeEjemplo(texto);
    EXPECT_TRUE(TieneLinea(texto, {"Problema:", "ej1.lot"}));
    EXPECT_TRUE(texto.contains("Página 1 de 1"));
    EXPECT_EQ(PaginasPdf(ruta), 1);

    entrada.ConComparacion = true;
    ruta = Escribir(entrada);
    texto = TextoPdf(ruta);
    EXPECT_EQ(PaginasPdf(ruta), 2);
    EXPECT_TRUE(TieneLinea(texto, {"Comparación", "de", "métodos"}));
    EXPECT_TRUE(texto.contains("Página 2 de 2"));
}

TEST_F(PdfInforme, SinCalcularMuestraLasEntradas) {
    const QString ruta = Escribir(EntradaEjemplo());
    const QString texto = TextoPdf(ruta);
    EXPECT_TRUE(TieneLinea(texto, {"Sin", "calcular"}));
    EXPECT_TRUE(TieneLinea(texto, {"NB", "50", "60", "70", "60", "95", "75", "60", "55"}));
    EXPECT_FALSE(texto.contains("Coste total"));
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

// The pages are laid out for the device they are painted on: on an image, as on a PDF, every
// piece lies within the page and the page gets painted.
TEST(PaginasInforme, SePintanEnCualquierDispositivo) {
    EntradaInforme entrada = EntradaEjemplo();
    Calcular(entrada);
    QImage pagina(794, 1123, QImage::Format_RGB32); // A4 at 96 pixels per inch
    pagina.fill(Qt::white);
    const std::vector<PaginaInforme> paginas =
        MaquetarInforme(ConstruirInforme(entrada), pagina.rect(), pagina);
    ASSERT_EQ(paginas.size(), 1u);
    for (const PiezaPagina& pieza : paginas[0].Piezas)
        EXPECT_TRUE(QRectF(pagina.rect()).contains(pieza.Rect)) << pieza.Rect.y();
    QPainter pintor(&pagina);
    PintarPaginaInforme(pintor, paginas[0]);
    pintor.end();
    qsizetype pintados = 0;
    for (int y = 0; y < pagina.height(); ++y)
        for (int x = 0; x < pagina.width(); ++x) pintados += qGray(pagina.pixel(x, y)) < 200;
    EXPECT_GT(pintados, pagina.width() * pagina.height() / 50);
}
