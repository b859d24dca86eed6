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

    // The first click of the two selects the row; the second, a double click, activates it.
    void DobleClic(int fila) {
        QTableWidget* tabla = Tabla();
        tabla->scrollToItem(tabla->item(fila, 0));
        const QPoint punto = tabla->visualItemRect(tabla->item(fila, 0)).center();
        QTest::mouseClick(tabla->viewport(), Qt::LeftButton, {}, punto);
        QTest::mouseDClick(tabla->viewport(), Qt::LeftButton, {}, punto);
    }
};

} // namespace

TEST_F(PruebaComparacion, PlanOptimoCalculaSinCambiarElMetodoMarcado) {
    TeclearEjemplo();
    ElegirMetodo(LotificacionSilverMeal);
    Menu("PlanOptimo1");
    EXPECT_EQ(Fila(FilaPPL, 9), QStringList({"50", "130", "", "170", "", "115", "", "", ""}));
    EXPECT_EQ(SG().Celda(9, FilaCTotal), "600");
    EXPECT_EQ(MetodoMarcado(), LotificacionSilverMeal);
    EXPECT_TRUE(Accion("GuardarSolucion")->isEnabled());

    // The same refusals as "Calcular".
    Teclear("EditCE", "0");
    Menu("PlanOptimo1");
    EXPECT_EQ(plataforma.avisos, QStringList{AvisoCostes});
    EXPECT_EQ(SG().Celda(9, FilaCTotal), "600");
}

TEST_F(PruebaComparacion, ElPanelSigueACadaCalculoYElDobleClicCalcula) {
    auto* panel = Hijo<PanelComparacion>("PanelComparacion");
    EXPECT_FALSE(panel->isVisible());
    Menu("CompararMetodos1");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(Tabla()->rowCount(), 0);

    TeclearEjemplo();
    Boton("ToolButtonCalcular");
    EXPECT_EQ(Columna(1), QStringList({"710", "1075", "635", "635", "635", "635", "600"}));
    EXPECT_TRUE(Tabla()->item(2, 1)->font().bold()) << "POQ is among the cheapest";
    EXPECT_FALSE(Tabla()->item(0, 1)->font().bold());
    const TextosCelda loteALote = SG().Textos();

    // A method's row calculates as "Calcular" after choosing the method would; the optimum's
    // row as "Plan óptimo", the selection left as it was.
    DobleClic(1);
    EXPECT_EQ(MetodoMarcado(), LotificacionEOQ);
    EXPECT_EQ(SG().Celda(9, FilaCTotal), "1075");
    DobleClic(6);
    EXPECT_EQ(MetodoMarcado(), LotificacionEOQ);
    EXPECT_EQ(SG().Celda(9, FilaCTotal), "600");
    DobleClic(0);
    EXPECT_EQ(SG().Textos(), loteALote);

    TeclearFila(1, FilaPPL, {"120", "0", "155", "0", "135", "0", "55"});
    Boton("ToolButtonCalculoManual");
    EXPECT_EQ(Columna(0).last(), "Plan manual");
    EXPECT_EQ(Columna(1).last(), "635");
    EXPECT_TRUE(Tabla()->item(7, 0)->isSelected()) << "the row of the plan in the grid";

    Boton("ToolButtonNuevo");
    EXPECT_EQ(Tabla()->rowCount(), 0);
    EXPECT_TRUE(plataforma.mensajes.isEmpty());
}
