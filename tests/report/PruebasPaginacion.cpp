// The report on pages: a table longer than a page goes on over the next ones with its heading
// row, every row once; nothing goes below the footer's line; a 99-period report with everything
// stays short.
#include "EntradaEjemplo.h"
#include "PinturaInforme.h"
#include "TextoPdf.h"

#include <QBuffer>
#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <map>

namespace {

class Paginacion : public testing::Test {
protected:
    QTemporaryDir carpeta;

    QString Pdf(const ContenidoInforme& contenido) {
        const QString ruta = carpeta.filePath(QStringLiteral("informe.pdf"));
        QFile fichero(ruta);
        EXPECT_TRUE(fichero.open(QIODevice::WriteOnly | QIODevice::Truncate));
        fichero.write(InformePdf(contenido));
        return ruta;
    }
};

// The lines of the text that hold the words in this order.
qsizetype Lineas(const QString& texto, const QStringList& palabras) {
    QStringList escapadas;
    for (const QString& palabra : palabras) escapadas << QRegularExpression::escape(palabra);
    return texto.count(QRegularExpression(
        QStringLiteral("^\\s*") + escapadas.join(QStringLiteral("\\s+")) + QStringLiteral("\\s*$"),
        QRegularExpression::MultilineOption));
}

// Ninety-nine periods of varied requirements, as a teacher sets the longest exercise.
EntradaInforme NoventaYNueve(TipoLotificacion metodo) {
    EntradaInforme entrada;
    entrada.Problema.NPeriodos = "99";
    entrada.Problema.TS = "2";
    entrada.Problema.CE = "250";
    entrada.Problema.CP = "0,5";
    entrada.Problema.Metodo = metodo;
    entrada.Celdas = CeldasIniciales(99);
    for (int c = 1; c <= 99; ++c)
        entrada.Celdas.PonerCelda(c, FilaNB,
                                  QString::number(10 * (c % 7) + 5 * (c % 3) + (c * 37) % 23));
    entrada.Celdas.PonerCelda(1, FilaD, "40");
    Calcular(entrada);
    entrada.ConComparacion = true;
    entrada.ConExplicacion = true;
    return entrada;
}

} // namespace

TEST_F(Paginacion, UnaTablaLargaSigueConSuCabecera) {
    SeccionTabla tabla;
    tabla.Titulo = "Candidatos";
    tabla.Cabecera = QStringList{"Fila", "j", "Coste"};
    for (int f = 1; f <= 150; ++f)
        tabla.Filas.push_back(
            {QStringLiteral("fila%1").arg(f), QString::number(f), QString::number(f * 3)});
    const QString ruta = Pdf({"Informe", {}, {}, {tabla}});
    const QString texto = TextoPdf(ruta);
    const int paginas = PaginasPdf(ruta);
    EXPECT_GE(paginas, 3);
    for (int f = 1; f <= 150; ++f)
        EXPECT_EQ(Lineas(texto, {QStringLiteral("fila%1").arg(f), QString::number(f),
                                 QString::number(f * 3)}),
                  1)
            << f;
    EXPECT_EQ(Lineas(texto, {"Fila", "j", "Coste"}), paginas) << "the heading on every page";
    EXPECT_LT(texto.indexOf("fila149"), texto.indexOf("fila150"));
}

// Every piece above the footer's line, on every page of the longest report; every row of the
// explanation's narrow tables in the text once, the rows it sums up left out; 25 pages at most.
TEST_F(Paginacion, ElInformeMasLargoCabeYNoPisaElPie) {
    for (const TipoLotificacion metodo :
         {LotificacionMejor, LotificacionSilverMeal, LotificacionOptimo}) {
        SCOPED_TRACE(metodo);
        const ContenidoInforme contenido = ConstruirInforme(NoventaYNueve(metodo));
        QBuffer nada;
        nada.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&nada);
        pdf.setPageLayout(DisposicionInforme());
        const QRectF area(0, 0, pdf.width(), pdf.height());
        const qreal pie = LineaDelPie(area, pdf);
        const std::vector<PaginaInforme> paginas = MaquetarInforme(contenido, area, pdf);
        EXPECT_LE(paginas.size(), 25u);
        for (std::size_t p = 0; p < paginas.size(); ++p) {
            const auto& piezas = paginas[p].Piezas;
            // The last two pieces of a page are its footer.
            for (std::size_t i = 0; i + 2 < piezas.size(); ++i)
                EXPECT_LE(piezas[i].Rect.bottom(), pie + 0.5) << "página " << p + 1;
        }

        const QString texto = TextoPdf(Pdf(contenido));
        std::map<QString, qsizetype> esperadas;
        bool enExplicacion = false;
        for (const SeccionInforme& seccion : contenido.Secciones) {
            if (const auto* t = std::get_if<SeccionTexto>(&seccion))
                enExplicacion = enExplicacion || t->Titulo == "Explicación del cálculo";
            // The tables a row of which stays on one line: the wide triangle is wrapped into
            // blocks of columns, as the record is.
            const auto* tabla = std::get_if<SeccionTabla>(&seccion);
            if (!enExplicacion || !tabla || tabla->Cabecera.size() > 6) continue;
            for (std::size_t f = 0; f < tabla->Filas.size(); ++f) {
                QStringList palabras;
                for (const QString& celda : tabla->Filas[f])
                    palabras << celda.split(u' ', Qt::SkipEmptyParts);
                ++esperadas[palabras.join(u'\x1f')];
            }
        }
        EXPECT_GT(esperadas.size(), 20u);
        for (const auto& [fila, veces] : esperadas)
            EXPECT_EQ(Lineas(texto, fila.split(u'\x1f')), veces) << fila.toStdString();
    }
}
