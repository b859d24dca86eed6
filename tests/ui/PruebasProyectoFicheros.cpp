// The project window's files and outputs: the question before changes are lost, saving and opening
// again, the workbook and the report of the project as it stands, a block pasted into an item's
// rows, the panels, and the main window's problem made a project.
#include "AyudasProyectoUnit.h"
#include "Ficheros.h"
#include "HojaIndependiente.h"
#include "PanelDiagrama.h"
#include "PanelPoliticas.h"
#include "VistaGrafico.h"

#include <QClipboard>
#include <QDockWidget>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QWheelEvent>

namespace {

class FicherosProyecto : public PruebaProyecto {
protected:
    QTemporaryDir carpeta;
    QString Ruta(const char* nombre) { return carpeta.filePath(nombre); }
};

} // namespace

TEST_F(FicherosProyecto, LaPreguntaGuardaDescartaOCancela) {
    AbrirVentana("AbrirEjemplo1");
    EXPECT_FALSE(FormProyecto().Modificado());
    Elegir("PATA");
    TeclearCampo("EditCEArticulo", "90");
    EXPECT_EQ(FormProyecto().windowTitle(), "Proyecto MRP — sin nombre[*]");
    EXPECT_TRUE(FormProyecto().isWindowModified());

    // Cancelled: nothing changes, also when the program is to end.
    Responder(QMessageBox::Cancel);
    OrdenProyecto("NuevoProyecto");
    EXPECT_EQ(FormProyecto().ProyectoActual().Articulos.size(), 4u);
    EXPECT_FALSE(ventana.close());
    EXPECT_TRUE(ventana.isVisible());
    EXPECT_EQ(plataforma.modalesEjecutados,
              QStringList({"PreguntaGuardarProyecto", "PreguntaGuardarProyecto"}));

    // Saved where the user says, then the new project.
    Responder(QMessageBox::Save);
    plataforma.respuestasFichero.push_back(Ruta("mesa.mrp"));
    Menu("NuevoProyecto1");
    EXPECT_EQ(plataforma.dialogosMostrados.back().filtro, "Proyecto MRP (*.mrp)");
    Proyecto guardado = ProyectoEjemplo();
    guardado.Articulos[2].Datos.CE = 90;
    EXPECT_EQ(LeerFichero(Ruta("mesa.mrp")), TextoProyecto(guardado));
    EXPECT_TRUE(FormProyecto().ProyectoActual().Articulos.empty());
    EXPECT_EQ(BarraEstadoProyecto(), "Proyecto nuevo");

    // Opened again without a question: there is nothing to lose.
    plataforma.guionModal = nullptr;
    plataforma.respuestasFichero.push_back(Ruta("mesa.mrp"));
    Menu("AbrirProyecto1");
    EXPECT_EQ(plataforma.modalesEjecutados.size(), 3);
    EXPECT_EQ(FormProyecto().ProyectoActual(), guardado);
    EXPECT_EQ(FormProyecto().windowTitle(), "Proyecto MRP — mesa.mrp[*]");
    // Discarded on closing: the window opens again on a new project.
    TeclearCampo("EditDescripcion", "Mesa de comedor");
    Responder(QMessageBox::Discard);
    FormProyecto().close();
    EXPECT_FALSE(FormProyecto().isVisible());
    EXPECT_TRUE(FormProyecto().ProyectoActual().Articulos.empty());
    EXPECT_TRUE(plataforma.mensajes.isEmpty()) << plataforma.mensajes.join('\n').toStdString();
}

// The workbook and the report are made of the project as it stands, calculated again if need be.
TEST_F(FicherosProyecto, LibroInformeYProblemaDeUnArticulo) {
    AbrirVentana("AbrirEjemplo1");
    plataforma.respuestasFichero.push_back(Ruta("mesa.xlsx"));
    OrdenProyecto("ExportarHojaProyecto");
    ASSERT_TRUE(FormProyecto().Resultado());
    EXPECT_EQ(BarraEstadoProyecto(), "Hoja de cálculo guardada en " + Ruta("mesa.xlsx"));
    const std::vector<HojaExterna> hojas = LeerConOpenpyxl(Ruta("mesa.xlsx"));
    ASSERT_EQ(hojas.size(), 5u);
    QStringList nombres;
    for (const HojaExterna& hoja : hojas) nombres << hoja.nombre;
    EXPECT_EQ(nombres, QStringList({"Resumen", "MESA", "TABLERO", "PATA", "BARRA"}));
    const HojaExterna& resumen = hojas[0];
    EXPECT_EQ(resumen.Texto("A1"), "Artículo");
    EXPECT_EQ(resumen.Texto("A4"), "PATA");
    EXPECT_EQ(resumen.Numero("B5"), 2);
    EXPECT_EQ(resumen.Texto("C5"), "Método Silver-Meal");
    EXPECT_EQ(resumen.Numero("F4"), 322.5);
    EXPECT_EQ(resumen.Texto("A6"), "Total del proyecto");
    EXPECT_EQ(resumen.Numero("F6"), 982.5);
    EXPECT_EQ(hojas[3].Numero("G2"), 160); // PATA's gross requirement of period 6
    EXPECT_EQ(hojas[3].Numero("L10"), 322.5);

    plataforma.respuestasFichero.push_back(Ruta("mesa.csv"));
    OrdenProyecto("ExportarHojaProyecto");
    EXPECT_TRUE(LeerFichero(Ruta("mesa.csv"))
                    .startsWith("\xEF\xBB\xBF"
                                "Artículo;Nivel;Lotificación;Coste de emisión;Coste de posesión;"
                                "Coste total\r\nMESA;0;Lote a lote;200;0;200\r\n"));

    // An edit: the report is of the project after it.
    Elegir("MESA");
    ElegirLotificacion(2);
    plataforma.respuestasFichero.push_back(Ruta("mesa.pdf"));
    OrdenProyecto("ExportarInformePdfProyecto");
    EXPECT_FALSE(FormProyecto().Desactualizado());
    EXPECT_TRUE(LeerFichero(Ruta("mesa.pdf")).startsWith("%PDF"));
    EXPECT_EQ(plataforma.dialogosMostrados.back().extensionDefecto, "pdf");

    Elegir("BARRA");
    plataforma.respuestasFichero.push_back(Ruta("barra.lot"));
    OrdenProyecto("GuardarArticuloProblema");
    EXPECT_EQ(plataforma.dialogosMostrados.back().nombre, "BARRA.lot"); // by its code
    EXPECT_TRUE(LeerFichero(Ruta("barra.lot")).contains("0\t0\t0\t0\t350\t0\t0\t20\t0\t0"));
    EXPECT_TRUE(plataforma.mensajes.isEmpty()) << plataforma.mensajes.join('\n').toStdString();
}

// A block from a spreadsheet lands in the item's inputs; the worked-out rows keep their figures.
TEST_F(FicherosProyecto, UnBloquePegadoEnLasFilasDelArticulo) {
    AbrirVentana("AbrirEjemplo1");
    OrdenProyecto("CalcularProyecto");
    Elegir("TABLERO");
    QGuiApplication::clipboard()->setText("5\t6\t7\r\n1\t1\t1\r\n");
    SGProyecto().setFocus();
    SGProyecto().PonerCeldaActual(2, FilaRP);
    OrdenProyecto("PegarProyecto");
    EXPECT_EQ(BarraEstadoProyecto(), "Pegadas 6 celdas");
    const ArticuloProyecto& tablero = FormProyecto().ProyectoActual().Articulos[1];
    EXPECT_EQ(tablero.Datos.Entrada.RP[2], 5);
    EXPECT_EQ(tablero.Datos.Entrada.RP[4], 7);
    EXPECT_EQ(FilaProyecto(FilaNN, 4), QStringList({"", "", "", ""}));
    EXPECT_TRUE(FormProyecto().Desactualizado());
    OrdenProyecto("Deshacer");
    EXPECT_EQ(FormProyecto().ProyectoActual(), ProyectoEjemplo());
    EXPECT_EQ(FilaProyecto(FilaRP, 4), QStringList({"", "", "", ""}));
}

// A one-item project from what the main window holds, named after its file when it has one.
TEST_F(FicherosProyecto, ElProblemaDeLaVentanaPrincipalComoProyecto) {
    TeclearEjemplo();
    TFormProyecto& proyecto = AbrirVentana("ProyectoDesdeProblema1");
    ASSERT_EQ(proyecto.ProyectoActual().Articulos.size(), 1u);
    const ArticuloProyecto& articulo = proyecto.ProyectoActual().Articulos[0];
    EXPECT_EQ(articulo.Codigo, "ARTICULO");
    EXPECT_EQ(articulo.DemandaIndependiente[5], 95);
    EXPECT_EQ(articulo.Datos.Entrada.D[1], 60);
    EXPECT_EQ(proyecto.ProyectoActual().N, 8);
    EXPECT_TRUE(proyecto.Modificado());
    EXPECT_EQ(BarraEstadoProyecto(), "Proyecto de un artículo, «ARTICULO», hecho con el problema "
                                     "de la ventana principal");
    OrdenProyecto("CalcularProyecto");
    Boton("ToolButtonCalcular");
    EXPECT_EQ(SGProyecto().Celda(9, FilaCTotal), SG().Celda(9, FilaCTotal));
}

// The panels follow the project and the selection; a policy's double click gives its method to
// every item.
TEST_F(FicherosProyecto, PanelesDeLaEstructuraLasPoliticasYElGrafico) {
    AbrirVentana("AbrirEjemplo1");
    for (const char* panel : {"PanelDiagrama", "PanelPoliticas", "PanelGraficoArticulo"})
        EXPECT_FALSE(HijoProyecto<QDockWidget>(panel)->isVisible()) << panel;
    OrdenProyecto("PanelDiagramaVista");
    Elegir("PATA");
    std::map<int, QGraphicsRectItem*> cajas;
    for (QGraphicsItem* item : HijoProyecto<PanelDiagrama>("PanelDiagrama")->Escena().items())
        if (item->data(0).isValid())
            cajas[item->data(0).toInt()] = static_cast<QGraphicsRectItem*>(item);
    ASSERT_EQ(cajas.size(), 4u);
    EXPECT_GT(cajas[2]->pen().width(), cajas[1]->pen().width());
    EXPECT_LT(cajas[0]->y(), cajas[2]->y()); // the table above its legs
    EXPECT_LT(cajas[2]->y(), cajas[3]->y()); // the legs above their bars
    // The wheel zooms in and back out.
    VistaDiagrama& vista = HijoProyecto<PanelDiagrama>("PanelDiagrama")->Vista();
    const qreal escala = vista.transform().m11();
    const auto rueda = [&](int grados) {
        QWheelEvent evento(QPointF(10, 10), vista.mapToGlobal(QPointF(10, 10)), {},
                           QPoint(0, grados * 8), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                           false);
        QCoreApplication::sendEvent(vista.viewport(), &evento);
    };
    rueda(15);
    EXPECT_GT(vista.transform().m11(), escala);
    rueda(-15);
    EXPECT_DOUBLE_EQ(vista.transform().m11(), escala);

    OrdenProyecto("PanelPoliticasVista");
    OrdenProyecto("PanelGraficoArticuloVista");
    EXPECT_EQ(HijoProyecto<VistaGrafico>("GraficoArticulo")->Datos(), std::nullopt);
    OrdenProyecto("CalcularProyecto");
    EXPECT_EQ(HijoProyecto<VistaGrafico>("GraficoArticulo")->Datos()->Titulo,
              "POQ — coste total 322,5");
    QTableWidget& politicas = HijoProyecto<PanelPoliticas>("PanelPoliticas")->Tabla();
    ASSERT_EQ(politicas.rowCount(), 9);
    EXPECT_EQ(politicas.item(3, 0)->text(), "Mínimo coste total");
    EXPECT_EQ(politicas.item(3, 1)->text(), "792,5");
    emit politicas.cellDoubleClicked(3, 0);
    EXPECT_EQ(BarraEstadoProyecto(), "Hecho: aplicar «Mínimo coste total» a todos los artículos");
    for (const ArticuloProyecto& articulo : FormProyecto().ProyectoActual().Articulos)
        EXPECT_EQ(articulo.Datos.Metodo, 3);
    EXPECT_EQ(politicas.item(3, 1)->foreground().color(), QColor(Qt::gray));
    OrdenProyecto("CalcularProyecto");
    EXPECT_EQ(BarraEstadoProyecto(),
              "Proyecto calculado: 4 artículos en 3 niveles, coste total 792,5");
}
