// What the analysis views add to the main window: shortages marked in the grid and named in the
// status bar, results greyed and panels warned while the data have changed, the report's dialog,
// a text that does not convert pointed at, a paste that says truly what it kept, and the panels'
// layout.
#include "AyudasMainUnit.h"
#include "CapasMarcas.h"
#include "DialogoInforme.h"
#include "MarcasRejilla.h"
#include "PanelAnalisis.h"
#include "TextoPdf.h"

#include <QClipboard>
#include <QDockWidget>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

class PruebaAnalisis : public PruebaMain {
protected:
    QVariant Dato(int columna, int fila, int rol) {
        return SG().model()->index(fila - 1, columna - 1).data(rol);
    }
    bool Roja(int columna, int fila) {
        return Dato(columna, fila, Qt::ForegroundRole).value<QColor>() == ColorRotura;
    }
    bool Gris(int columna, int fila) { return Dato(columna, fila, Qt::BackgroundRole).isValid(); }
    bool PanelesAvisan() {
        bool todos = true;
        for (auto* panel : ventana.findChildren<PanelAnalisis*>())
            todos = todos && panel->Desactualizado();
        return todos;
    }
};

} // namespace

// A manual plan without orders runs short from period 2 on: its negative stock and holding cost
// in red, why in the tool tip, and the status bar says it is no saving.
TEST_F(PruebaAnalisis, LasRoturasSeMarcanYSeNombran) {
    TeclearEjemplo();
    Boton("ToolButtonCalculoManual");
    EXPECT_EQ(BarraEstado(), "Cálculo manual: coste total -1840. Rotura en los períodos 2–8: su "
                             "coste de posesión negativo no es un ahorro");
    for (int periodo = 2; periodo <= 8; ++periodo) {
        EXPECT_TRUE(Roja(periodo + 1, FilaD)) << periodo;
        EXPECT_TRUE(Roja(periodo, FilaCp)) << periodo;
    }
    EXPECT_FALSE(Roja(2, FilaD)) << "period 1 leaves 10 in stock";
    EXPECT_TRUE(Dato(3, FilaD, Qt::ToolTipRole).toString().contains("Rotura: el período 2"));
    EXPECT_EQ(SG().Celda(3, FilaD), "-50") << "marks never change a text";

    // A plan that covers every period clears them.
    Boton("ToolButtonCalcular");
    EXPECT_FALSE(Roja(3, FilaD));
    EXPECT_EQ(BarraEstado(), "Calculado con Lote a lote: coste total 710");
}

// Changing an input greys the results and warns every panel until the next calculation; typing
// the data back makes them current again. The texts stay as they were.
TEST_F(PruebaAnalisis, LosResultadosDeDatosAnterioresSeVenAnticuados) {
    TeclearEjemplo();
    Boton("ToolButtonCalcular");
    EXPECT_FALSE(Gris(2, FilaNN));
    EXPECT_FALSE(PanelesAvisan());
    Teclear("EditCE", "200");
    EXPECT_TRUE(Gris(2, FilaNN));
    EXPECT_TRUE(Gris(9, FilaCTotal));
    EXPECT_FALSE(Gris(1, FilaD)) << "the initial stock is an input";
    EXPECT_TRUE(PanelesAvisan());
    EXPECT_EQ(SG().Celda(9, FilaCTotal), "710");
    Teclear("EditCE", "100");
    EXPECT_FALSE(Gris(2, FilaNN));
    EXPECT_FALSE(PanelesAvisan());
    TeclearFila(4, FilaNB, {"61"});
    EXPECT_TRUE(Gris(2, FilaNN));
    Boton("ToolButtonCalcular");
    EXPECT_FALSE(Gris(2, FilaNN));
    EXPECT_FALSE(PanelesAvisan());
}

// The report asks its sections and cover lines first; cancelled, nothing is asked or written.
TEST_F(PruebaAnalisis, ElInformeTomaLaEleccionDelDialogo) {
    QTemporaryDir carpeta;
    TeclearEjemplo();
    Boton("ToolButtonCalcular");
    plataforma.resultadoModal = 0;
    Menu("ExportarInformePdf1");
    EXPECT_EQ(plataforma.modalesEjecutados, QStringList{"DialogoInforme"});
    EXPECT_TRUE(plataforma.dialogosMostrados.empty());

    plataforma.resultadoModal = 1;
    plataforma.guionModal = [](QDialog& dialogo) {
        auto& informe = dynamic_cast<DialogoInforme&>(dialogo);
        EleccionInforme eleccion = informe.Eleccion();
        eleccion.ConGrafico = false;
        eleccion.ConComparacion = true;
        eleccion.Alumno = "Ana Pérez";
        eleccion.Decimales = 1;
        informe.Poner(eleccion);
        return 1;
    };
    const QString ruta = carpeta.filePath("ana.pdf");
    plataforma.respuestasFichero.push_back(ruta);
    Menu("ExportarInformePdf1");
    const QString texto = TextoPdf(ruta);
    EXPECT_TRUE(TieneLinea(texto, {"Alumno:", "Ana", "Pérez"})) << texto.toStdString();
    EXPECT_TRUE(TieneLinea(texto, {"Comparación", "de", "métodos"}));
    EXPECT_FALSE(texto.contains("Gráfico del plan"));

    // The choice is proposed again, the comparison as its panel stands.
    EleccionInforme propuesta;
    plataforma.guionModal = [&](QDialog& dialogo) {
        propuesta = dynamic_cast<DialogoInforme&>(dialogo).Eleccion();
        return 1;
    };
    plataforma.respuestasFichero.push_back(ruta);
    Menu("ExportarInformePdf1");
    EXPECT_EQ(propuesta.Alumno, "Ana Pérez");
    EXPECT_EQ(propuesta.Decimales, 1);
    EXPECT_FALSE(propuesta.ConGrafico);
    EXPECT_FALSE(propuesta.ConComparacion);
}

// After the conversion error's box, its field or cell is selected and focused; the message is
// the platform's.
TEST_F(PruebaAnalisis, UnTextoQueNoConvierteQuedaSenalado) {
    TeclearEjemplo();
    TeclearFila(4, FilaRP, {"4x"});
    SG().PonerCeldaActual(1, FilaNB);
    Boton("ToolButtonCalcular");
    EXPECT_EQ(plataforma.errores, QStringList{"'4x' is not a valid floating point value"});
    EXPECT_EQ(SG().ColumnaActual(), 4);
    EXPECT_EQ(SG().FilaActual(), FilaRP);
    EXPECT_TRUE(SG().hasFocus() || SG().isAncestorOf(QApplication::focusWidget()));

    SG().PonerCelda(4, FilaRP, QString());
    Teclear("EditTS", "1,5");
    SG().setFocus();
    Boton("ToolButtonCalculoManual");
    EXPECT_EQ(plataforma.errores.last(), "''1,5'' is not a valid integer value");
    EXPECT_TRUE(Campo("EditTS")->hasFocus());
    EXPECT_EQ(Campo("EditTS")->selectedText(), "1,5");
}

// Ten thousand lines of five fields from the first cell: 45 show, the rest lie beyond any row
// the grid can have and are left out, and the status bar says so.
TEST_F(PruebaAnalisis, PegarDiceLoQueEntroYLoQueSeDescarto) {
    QString texto;
    for (int linea = 0; linea < 10000; ++linea) texto += "1\t2\t3\t4\t5\n";
    QGuiApplication::clipboard()->setText(texto);
    SG().PonerCeldaActual(1, FilaNB);
    Menu("Pegar1");
    EXPECT_EQ(BarraEstado(), "Pegadas 45 celdas; se descartan 49955 que no caben en ninguna fila "
                             "ni columna de la rejilla");
    EXPECT_EQ(SG().Celda(5, FilaCTotal), "5");
}

// Panels opened together share the right side as tabs; "Restablecer disposición" docks a
// floating one back among them.
TEST_F(PruebaAnalisis, LosPanelesSeAgrupanYSeRestablecen) {
    Menu("CompararMetodos1");
    Menu("GraficoPlan1");
    Menu("ExplicacionCalculo1");
    auto* comparacion = Hijo<QDockWidget>("PanelComparacion");
    auto* explicacion = Hijo<QDockWidget>("PanelExplicacion");
    EXPECT_EQ(ventana.tabifiedDockWidgets(comparacion).size(), 2);
    EXPECT_EQ(ventana.dockWidgetArea(explicacion), Qt::RightDockWidgetArea);
    explicacion->setFloating(true);
    Hijo<QDockWidget>("PanelGraficoPlan")->hide();
    Menu("RestablecerDisposicion1");
    EXPECT_FALSE(explicacion->isFloating());
    EXPECT_TRUE(ventana.tabifiedDockWidgets(comparacion).contains(explicacion));
    EXPECT_FALSE(explicacion->isHidden());
    EXPECT_TRUE(Hijo<QDockWidget>("PanelGraficoPlan")->isHidden()) << "a closed panel stays closed";
}
