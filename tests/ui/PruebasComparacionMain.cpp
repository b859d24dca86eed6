// The optimum and the comparison panel in the main window: "Plan óptimo" as a calculation, the
// panel hidden at start and following every calculation, and a double-click that calculates.
#include "AyudasMainUnit.h"
#include "PanelComparacion.h"

#include <QTableWidget>

namespace {

class PruebaComparacion : public PruebaMain {
protected:
    QTableWidget* Tabla() { return Hijo<QTableWidget>("TablaComparacion"); }

    QStringList Columna(int columna) {
        QStringList textos;
        for (int fila = 0; fila < Tabla()->rowCount(); ++fila)
            textos << Tabla()->item(fila, columna)->text();
        return textos;
    }

    void DobleClic(int fila) {
        QTableWidget* tabla = Tabla();
        tabla->scrollToItem(tabla->item(fila, 0));
        const QPoint punto = tabla->visualItemRect(tabla->item(fila, 0)).center();
        // The first click of the two selects the row; the second, a double click, activates it.
        QTest::mouseClick(tabla->viewport(), Qt::LeftButton, {}, punto);
        QTest::mouseDClick(tabla->viewport(), Qt::LeftButton, {}, punto);
    }
};

const QStringList Metodos = {"Lote a lote",
                             "EOQ",
                             "POQ",
                             "Mínimo coste total",
                             "Mínimo coste unitario",
                             "Método Silver-Meal",
                             "Plan óptimo (Wagner-Whitin)"};

} // namespace

TEST_F(PruebaComparacion, PlanOptimoCalculaSinCambiarElMetodoMarcado) {
    TeclearEjemplo();
    ElegirMetodo(LotificacionSilverMeal);
    Menu("PlanOptimo1");
    EXPECT_TRUE(plataforma.mensajes.isEmpty());
    EXPECT_EQ(Fila(FilaPPL, 9), QStringList({"50", "130", "", "170", "", "115", "", "", ""}));
    EXPECT_EQ(SG().Celda(9, FilaCTotal), "600");
    EXPECT_EQ(MetodoMarcado(), LotificacionSilverMeal);
    EXPECT_TRUE(Accion("GuardarSolucion")->isEnabled());
    EXPECT_EQ(ventana.UltimoCalculo()->Metodo, LotificacionOptimo);

    // The same refusals as "Calcular".
    Teclear("EditCE", "0");
    Menu("PlanOptimo1");
    EXPECT_EQ(plataforma.avisos, QStringList{AvisoCostes});
    EXPECT_EQ(SG().Celda(9, FilaCTotal), "600");
}

TEST_F(PruebaComparacion, ElPanelSigueACadaCalculo) {
    auto* panel = Hijo<PanelComparacion>("PanelComparacion");
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(ventana.dockWidgetArea(panel), Qt::BottomDockWidgetArea);
    Menu("CompararMetodos1");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(Tabla()->rowCount(), 0);

    TeclearEjemplo();
    Boton("ToolButtonCalcular");
    EXPECT_EQ(Columna(0), Metodos);
    EXPECT_EQ(Columna(1), QStringList({"710", "1075", "635", "635", "635", "635", "600"}));
    EXPECT_TRUE(Tabla()->item(2, 1)->font().bold());
    EXPECT_FALSE(Tabla()->item(0, 1)->font().bold());

    TeclearFila(1, FilaPPL, {"120", "0", "155", "0", "135", "0", "55"});
    Boton("ToolButtonCalculoManual");
    EXPECT_EQ(Columna(0), Metodos + QStringList{"Plan manual"});
    EXPECT_EQ(Tabla()->item(7, 1)->text(), "635");
    EXPECT_EQ(Tabla()->item(7, 5)->text(), "5,83333333333333");

    Boton("ToolButtonNuevo");
    EXPECT_EQ(Tabla()->rowCount(), 0);
}

// A row calculates its method as "Calcular" would after selecting it; the optimum's row as
// "Plan óptimo", leaving the selection as it was.
TEST_F(PruebaComparacion, DobleClicEnUnaFilaPoneSuPlanEnLaRejilla) {
    Menu("CompararMetodos1");
    TeclearEjemplo();
    Boton("ToolButtonCalcular");
    const TextosCelda loteALote = SG().Textos();

    DobleClic(1);
    EXPECT_EQ(MetodoMarcado(), LotificacionEOQ);
    EXPECT_EQ(Fila(FilaPPL, 8), QStringList({"115", "115", "", "115", "115", "", "115", ""}));
    EXPECT_EQ(ventana.UltimoCalculo()->Metodo, LotificacionEOQ);

    DobleClic(6);
    EXPECT_EQ(MetodoMarcado(), LotificacionEOQ);
    EXPECT_EQ(SG().Celda(9, FilaCTotal), "600");

    DobleClic(0);
    EXPECT_EQ(SG().Textos(), loteALote);
    EXPECT_TRUE(plataforma.mensajes.isEmpty());
}
