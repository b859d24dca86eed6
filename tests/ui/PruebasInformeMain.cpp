// The report and the plan's chart in the main window: the PDF exported through the platform's save
// dialog, the print preview's pages, and the chart's panel following every calculation.
#include "AyudasMainUnit.h"
#include "GraficosCalculo.h"
#include "PanelComparacion.h"
#include "PanelExplicacion.h"
#include "PanelGraficoPlan.h"
#include "TextoPdf.h"
#include "TextosExplicacion.h"
#include "VistaGrafico.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

class PruebaInforme : public PruebaMain {
protected:
    QTemporaryDir carpeta;
};

} // namespace

TEST_F(PruebaInforme, ExportarElEjemploCalculadoAPdf) {
    TeclearEjemplo();
    Boton("ToolButtonCalcular");
    const QString ruta = carpeta.filePath("ejemplo.pdf");
    plataforma.respuestasFichero.push_back(ruta);
    Menu("ExportarInformePdf1");
    ASSERT_TRUE(plataforma.mensajes.isEmpty()) << plataforma.mensajes.join('\n').toStdString();

    const DialogoFichero& dialogo = plataforma.dialogosMostrados.back();
    EXPECT_EQ(dialogo.tipo, DialogoFichero::Tipo::Guardar);
    EXPECT_EQ(dialogo.filtro, "Informe en PDF (*.pdf)");
    EXPECT_EQ(dialogo.extensionDefecto, "pdf");
    ComprobarInformeEjemplo(TextoPdf(ruta));
    EXPECT_EQ(PaginasPdf(ruta), 1);
    EXPECT_EQ(BarraEstado(), "Informe guardado en " + ruta);

    // Cancelled, nothing is written; into a folder that is not there, the error is reported.
    QFile::remove(ruta);
    Menu("ExportarInformePdf1");
    EXPECT_FALSE(QFile::exists(ruta));
    plataforma.respuestasFichero.push_back(carpeta.filePath("no/ejemplo.pdf"));
    Menu("ExportarInformePdf1");
    EXPECT_EQ(plataforma.errores, QStringList{"File not found"});
}

// The preview's pages are the report's: the inputs before a calculation, the comparison while its
// panel is open.
TEST_F(PruebaInforme, LaVistaPreviaPintaElInforme) {
    const QString ruta = carpeta.filePath("vista.pdf");
    plataforma.pdfVistaPrevia = ruta;
    TeclearEjemplo();
    Menu("VistaPreviaInforme1");
    EXPECT_EQ(plataforma.vistasPrevias, 1);
    QString texto = TextoPdf(ruta);
    EXPECT_TRUE(TieneLinea(texto, {"Sin", "calcular"})) << texto.toStdString();
    EXPECT_TRUE(TieneLinea(texto, {"NB", "50", "60", "70", "60", "95", "75", "60", "55"}));

    Boton("ToolButtonCalcular");
    Menu("CompararMetodos1");
    Menu("VistaPreviaInforme1");
    texto = TextoPdf(ruta);
    ComprobarInformeEjemplo(texto);
    EXPECT_TRUE(TieneLinea(texto, {"Comparación", "de", "métodos"}));
    EXPECT_EQ(PaginasPdf(ruta), 2);
    EXPECT_TRUE(plataforma.mensajes.isEmpty()) << plataforma.mensajes.join('\n').toStdString();
}

TEST_F(PruebaInforme, ElGraficoDelPlanSigueACadaCalculo) {
    auto* panel = Hijo<PanelGraficoPlan>("PanelGraficoPlan");
    auto* grafico = Hijo<VistaGrafico>("GraficoPlan");
    auto* comparacion = Hijo<VistaGrafico>("GraficoComparacion");
    EXPECT_FALSE(panel->isVisible());
    Menu("GraficoPlan1");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(grafico->Datos());

    TeclearEjemplo();
    Boton("ToolButtonCalcular");
    ASSERT_TRUE(ventana.UltimoCalculo());
    ASSERT_TRUE(grafico->Datos());
    EXPECT_EQ(grafico->Datos()->Titulo, "Lote a lote — coste total 710");
    EXPECT_EQ(*comparacion->Datos(), GraficoComparacion(ventana.UltimoCalculo()->Comparacion));

    ElegirMetodo(LotificacionPOQ);
    Boton("ToolButtonCalcular");
    EXPECT_EQ(*grafico->Datos(), GraficoPlan(*ventana.UltimoCalculo()));
    EXPECT_EQ(grafico->Datos()->Titulo, "POQ — coste total 635");

    Boton("ToolButtonNuevo");
    EXPECT_FALSE(grafico->Datos());
    EXPECT_FALSE(comparacion->Datos());
}

// The explanation follows every calculation, its chosen rows highlighted; it copies as the
// command-line tool writes it, and joins the report while it is open.
TEST_F(PruebaInforme, LaExplicacionSigueACadaCalculo) {
    auto* panel = Hijo<PanelExplicacion>("PanelExplicacion");
    EXPECT_FALSE(panel->isVisible());
    TeclearEjemplo();
    ElegirMetodo(LotificacionMinimoCosteTotal);
    Boton("ToolButtonCalcular");
    Menu("ExplicacionCalculo1");
    ASSERT_TRUE(panel->isVisible());
    const QList<QTableWidget*> tablas = panel->findChildren<QTableWidget*>("TablaExplicacion");
    ASSERT_EQ(tablas.size(), 4); // one per lot
    EXPECT_EQ(tablas[0]->item(1, 4)->text(), "Nuevo mejor: elegido");
    EXPECT_TRUE(tablas[0]->item(1, 0)->font().bold());
    EXPECT_FALSE(tablas[0]->item(0, 0)->font().bold());

    Hijo<QPushButton>("CopiarExplicacion")->click();
    const QString copiado = QGuiApplication::clipboard()->text();
    EXPECT_EQ(copiado,
              LineasTabuladas(TextosExplicacion(*ventana.UltimoCalculo())).join('\n') + '\n');
    EXPECT_TRUE(copiado.contains("\n3\t70\t70\t30\tNuevo mejor: elegido\n"));

    ElegirMetodo(LotificacionPOQ);
    Boton("ToolButtonCalcular");
    EXPECT_TRUE(panel->findChildren<QTableWidget*>("TablaExplicacion").size() == 1);

    const QString ruta = carpeta.filePath("explicado.pdf");
    plataforma.respuestasFichero.push_back(ruta);
    Menu("ExportarInformePdf1");
    EXPECT_TRUE(TieneLinea(TextoPdf(ruta), {"POQ:", "ventanas"}));
    panel->hide();
    plataforma.respuestasFichero.push_back(ruta);
    Menu("ExportarInformePdf1");
    EXPECT_FALSE(TextoPdf(ruta).contains("ventanas"));
}
