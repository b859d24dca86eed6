// The main window as a student uses it with a spreadsheet: copy and paste through "E&ditar" and
// the grid's menu, columns that show every number, the status bar, and the N field's mark.
#include "AvisosProblema.h"
#include "AyudasMainUnit.h"

#include <QClipboard>
#include <QMenu>

namespace {

TEST_F(PruebaMain, LaRejillaTieneElMenuEditarComoMenuContextual) {
    EXPECT_EQ(SG().contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_EQ(SG().actions(), Hijo<QMenu>("Editar1")->actions());
}

TEST_F(PruebaMain, CopiarPegarYBorrarDesdeElMenuDicenLoQueHicieron) {
    TeclearFila(1, FilaNB, {"50", "60", "70"});
    TeclearFila(1, FilaD, {"60", "", "5"});
    RejillaTexto& rejilla = SG();
    rejilla.PonerCeldaActual(1, FilaNB);
    QTest::keyClick(&rejilla, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&rejilla, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&rejilla, Qt::Key_Right, Qt::ShiftModifier);
    Menu("Copiar1");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "50\t60\t70\n60\t\t5\n");
    EXPECT_EQ(BarraEstado(), "Copiadas 6 celdas");

    // From period 7 of PPL the block runs past column 9, the last one of eight periods.
    rejilla.PonerCeldaActual(8, FilaPPL);
    Menu("Pegar1");
    EXPECT_EQ(BarraEstado(), "Pegadas 6 celdas; 2 quedan fuera de la rejilla");
    EXPECT_EQ(Fila(FilaCe, 9), QStringList({"", "", "", "", "", "", "", "60", ""}));
    Teclear("EditNPeriodos", "9");
    EXPECT_EQ(SG().Celda(10, FilaPPL), "70") << "kept in the grid while out of view";

    // The pasted cells that show stay selected.
    Menu("Borrar1");
    EXPECT_EQ(BarraEstado(), "Borradas 4 celdas");
    EXPECT_EQ(Fila(FilaPPL, 10), QStringList({"", "", "", "", "", "", "", "", "", "70"}));
}

// The status bar takes the method and the total from the calculation kept, not from the grid.
TEST_F(PruebaMain, LaBarraDeEstadoDiceConQueMetodoSeCalculoYCuantoCuesta) {
    TeclearEjemplo();
    ElegirMetodo(LotificacionMejor);
    Boton("ToolButtonCalcular");
    EXPECT_EQ(BarraEstado(), "Calculado con POQ: coste total 635");

    TeclearFila(1, FilaPPL, {"120", "", "155", "", "135", "", "55"});
    Boton("ToolButtonCalculoManual");
    EXPECT_EQ(BarraEstado(), "Cálculo manual: coste total 635");

    Teclear("EditNPeriodos", "100");
    Boton("ToolButtonCalcular");
    EXPECT_EQ(BarraEstado(), "Cálculo manual: coste total 635") << "a refused command says nothing";

    Boton("ToolButtonNuevo");
    EXPECT_EQ(BarraEstado(), "Problema nuevo");
}

// Every text of the grid fits its column after a calculation at the greatest horizon, the total
// in bold included.
TEST_F(PruebaMain, ConNoventaYNuevePeriodosNingunNumeroQuedaCortado) {
    Teclear("EditNPeriodos", "99");
    for (int periodo = 1; periodo <= 99; ++periodo)
        SG().PonerCelda(periodo, FilaNB, QString::number(10 + periodo * 37 % 990));
    SG().PonerCelda(1, FilaD, "60");
    Teclear("EditTS", "2");
    Teclear("EditCE", "123,7");
    Teclear("EditCP", "0,37");
    ElegirMetodo(LotificacionEOQ);
    QTest::mouseClick(Casilla("CheckBoxRedondear"), Qt::LeftButton);
    Boton("ToolButtonCalcular");
    ASSERT_TRUE(plataforma.mensajes.isEmpty()) << plataforma.mensajes.join('|').toStdString();
    ASSERT_TRUE(SG().Celda(100, FilaCTotal).contains(u',')) << "a total with decimals";

    QFont negrita = SG().font();
    negrita.setBold(true);
    const int margenes = 2 * (SG().style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    QStringList recortados;
    for (int columna = 1; columna <= 100; ++columna) {
        const QFontMetrics medida(columna == 100 ? negrita : SG().font());
        for (int fila = 0; fila <= FilaCTotal; ++fila) {
            const QString texto = SG().Celda(columna, fila);
            if (medida.horizontalAdvance(texto) + margenes > SG().columnWidth(columna - 1))
                recortados << QStringLiteral("(%1, %2) %3").arg(columna).arg(fila).arg(texto);
        }
    }
    EXPECT_TRUE(recortados.isEmpty()) << recortados.mid(0, 5).join(" | ").toStdString();
    EXPECT_TRUE(SG().model()->index(FilaCTotal - 1, 99).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(SG().model()->index(FilaCTotal - 1, 98).data(Qt::FontRole).isValid());
}

TEST_F(PruebaMain, UnNFueraDeLaRejillaMarcaElCampoHastaQueVuelve) {
    QLineEdit* campo = Campo("EditNPeriodos");
    const auto marcado = [&] {
        const QColor borde = campo->grab().toImage().pixelColor(0, campo->height() / 2);
        return borde.red() > 150 && borde.green() < 80 && borde.blue() < 80;
    };
    EXPECT_FALSE(marcado());
    const QSize tamano = campo->size();

    Teclear("EditNPeriodos", "150");
    EXPECT_TRUE(marcado());
    EXPECT_EQ(campo->toolTip(), PistaPeriodosDeRejilla);
    EXPECT_EQ(campo->size(), tamano) << "the mark moves nothing";
    EXPECT_EQ(SG().Columnas(), 17) << "the grid stays at 15 periods";

    Teclear("EditNPeriodos", "99");
    EXPECT_FALSE(marcado());
    EXPECT_EQ(campo->toolTip(), "");
    EXPECT_EQ(SG().Columnas(), 101);
}

} // namespace
