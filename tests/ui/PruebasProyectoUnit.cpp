// The project window driven as a teacher drives it in front of a class: the example built item by
// item from the menus, calculated, its gross requirements explained, every edit undone and done
// again, and every refusal naming the item and selecting it.
#include "AyudasProyectoUnit.h"
#include "FicheroProyecto.h"
#include "Ficheros.h"

#include <QTemporaryDir>

namespace {

class ConstruirEjemplo : public PruebaProyecto {
protected:
    // The item's fields, as the teacher types them.
    void Datos(const char* descripcion, const char* ts, const char* ce, const char* cp,
               TipoLotificacion metodo) {
        TeclearCampo("EditDescripcion", descripcion);
        TeclearCampo("EditTSArticulo", ts);
        TeclearCampo("EditCEArticulo", ce);
        TeclearCampo("EditCPArticulo", cp);
        ElegirLotificacion(metodo);
    }

    // The shipped table, top, legs and bars, made with the window's commands alone.
    void Construir() {
        AbrirVentana();
        OrdenProyecto("AnadirArticulo");
        TeclearCampo("EditCodigo", "MESA");
        Datos("Mesa", "1", "100", "1", LotificacionLoteALote);
        TeclearFilaProyecto(7, FilaDI, {"40", "", "", "60"});
        AnadirComponente("TABLERO", "1");
        Datos("Tablero", "2", "250", "0,5", 1);
        Elegir("MESA");
        AnadirComponente("PATA", "4");
        Datos("Pata", "1", "80", "0,25", 2);
        TeclearFilaProyecto(1, FilaD, {"50"});
        AnadirComponente("BARRA", "1");
        Datos("Barra de madera", "3", "40", "0,5", 5);
        TeclearFilaProyecto(4, FilaRP, {"100"});
        TeclearFilaProyecto(8, FilaDI, {"20"});
    }
};

} // namespace

TEST_F(ConstruirEjemplo, SeCalculaYCadaNecesidadBrutaDiceDeDondeViene) {
    Construir();
    ASSERT_TRUE(plataforma.mensajes.isEmpty()) << plataforma.mensajes.join('\n').toStdString();
    EXPECT_EQ(FormProyecto().ProyectoActual(), ProyectoEjemplo());
    EXPECT_EQ(Modelo().index(0, ModeloEstructura::ColumnaCodigo).data(), "MESA");

    OrdenProyecto("CalcularProyecto");
    EXPECT_EQ(BarraEstadoProyecto(),
              "Proyecto calculado: 4 artículos en 3 niveles, coste total 982,5");
    // The legs: four per table, released by the table in periods 6 and 9.
    Elegir("PATA", "MESA");
    EXPECT_EQ(FilaProyecto(FilaNB, 10),
              QStringList({"", "", "", "", "", "160", "", "", "240", ""}));
    EXPECT_EQ(FilaProyecto(FilaPPL, 10), QStringList({"", "", "", "", "350", "", "", "", "", ""}));
    EXPECT_EQ(NotaProyecto(6, FilaNB), "160\n40 de MESA × 4 en el período 6");
    EXPECT_EQ(HijoProyecto<QLabel>("EtiquetaNivel")->text(), "1");
    // The bars: the legs' release and the spare parts of their own.
    Elegir("BARRA");
    EXPECT_EQ(NotaProyecto(5, FilaNB), "350\n350 de PATA × 1 en el período 5");
    EXPECT_EQ(NotaProyecto(8, FilaNB), "20\n20 de demanda independiente");
    EXPECT_EQ(NotaProyecto(4, FilaNB), "");
    EXPECT_EQ(SGProyecto().Celda(11, FilaCTotal), "120");
    // Only the inputs open for typing; a try at another cell says why.
    SGProyecto().setFocus();
    SGProyecto().PonerCeldaActual(5, FilaNB);
    QTest::keyClicks(&SGProyecto(), "7");
    EXPECT_EQ(SGProyecto().Celda(5, FilaNB), "350");
    EXPECT_TRUE(BarraEstadoProyecto().startsWith("Esta celda se calcula"));
}

TEST_F(ConstruirEjemplo, CadaEdicionSeDeshaceYSeRehace) {
    Construir();
    const Proyecto construido = FormProyecto().ProyectoActual();
    OrdenProyecto("CalcularProyecto");
    Elegir("BARRA");

    OrdenProyecto("Deshacer");
    EXPECT_EQ(BarraEstadoProyecto(), "Deshecho: cambiar el registro de «BARRA»");
    EXPECT_EQ(FilaProyecto(FilaDI, 10), QStringList({"", "", "", "", "", "", "", "", "", ""}));
    // What the explosion left stays, marked as the previous data's.
    EXPECT_TRUE(FormProyecto().Desactualizado());
    EXPECT_EQ(SGProyecto().Celda(8, FilaNB), "20");
    EXPECT_EQ(NotaProyecto(8, FilaNB),
              "20\nResultado anterior a los últimos cambios: pulse «Calcular»\n"
              "20 de demanda independiente");
    OrdenProyecto("Rehacer");
    EXPECT_EQ(BarraEstadoProyecto(), "Rehecho: cambiar el registro de «BARRA»");
    EXPECT_FALSE(FormProyecto().Desactualizado());

    // Structure, order, quantities and a method for all: each undone to the very project.
    OrdenProyecto("QuitarArticulo");
    EXPECT_EQ(IndiceArticulo(FormProyecto().ProyectoActual(), "BARRA"), -1);
    EXPECT_TRUE(FormProyecto().ProyectoActual().Articulos[2].Componentes.empty());
    Elegir("TABLERO");
    OrdenProyecto("BajarArticulo");
    EXPECT_EQ(FormProyecto().ProyectoActual().Articulos[2].Codigo, "TABLERO");
    Elegir("PATA", "MESA");
    Modelo().setData(Arbol().currentIndex().siblingAtColumn(ModeloEstructura::ColumnaCantidad), "3",
                     Qt::EditRole);
    QCoreApplication::processEvents();
    EXPECT_EQ(FormProyecto().ProyectoActual().Articulos[0].Componentes[1].Cantidad, 3);
    OrdenProyecto("AnadirArticulo");
    EXPECT_EQ(FormProyecto().ArticuloSeleccionado(), 3);
    EXPECT_EQ(HijoProyecto<QLineEdit>("EditCodigo")->text(), "ART1");
    TeclearCampo("EditNPeriodosProyecto", "12");
    EXPECT_EQ(SGProyecto().Columnas(), 14);
    for (int k = 0; k < 5; ++k) OrdenProyecto("Deshacer");
    EXPECT_EQ(FormProyecto().ProyectoActual(), construido);
    EXPECT_FALSE(FormProyecto().Desactualizado());
    QTest::keyClick(&Arbol(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(IndiceArticulo(FormProyecto().ProyectoActual(), "BARRA"), -1);
    QTest::keyClick(&Arbol(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(FormProyecto().ProyectoActual(), construido);
    EXPECT_EQ(HijoProyecto<QAction>("Deshacer")->text(),
              "&Deshacer cambiar el registro de «BARRA»");
    EXPECT_EQ(HijoProyecto<QAction>("Rehacer")->text(), "&Rehacer quitar el artículo «BARRA»");
    EXPECT_TRUE(plataforma.mensajes.isEmpty()) << plataforma.mensajes.join('\n').toStdString();
}

TEST_F(PruebaProyecto, CadaRechazoNombraElArticuloYLoSelecciona) {
    AbrirVentana("AbrirEjemplo1");
    const Proyecto ejemplo = ProyectoEjemplo();
    Elegir("TABLERO");
    TeclearCampo("EditCEArticulo", "0");
    Elegir("MESA");
    OrdenProyecto("CalcularProyecto");
    EXPECT_EQ(plataforma.avisos.value(0),
              "No se puede calcular el proyecto:\nArtículo «TABLERO»: «EOQ» necesita costes de "
              "emisión y posesión distintos de 0");
    EXPECT_EQ(FormProyecto().ArticuloSeleccionado(), 1);
    EXPECT_EQ(Arbol().currentIndex().data().toString(), "TABLERO");
    EXPECT_EQ(Arbol().currentIndex().data(Qt::ToolTipRole).toString(),
              "Artículo «TABLERO»: «EOQ» necesita costes de emisión y posesión distintos de 0");
    EXPECT_FALSE(FormProyecto().Resultado());

    Elegir("BARRA");
    AnadirComponente("MESA", "1");
    EXPECT_EQ(plataforma.avisos.value(1),
              "«MESA» no puede ser componente de «BARRA»: la estructura "
              "tendría un ciclo: MESA → PATA → BARRA → MESA.");
    Elegir("PATA");
    TeclearCampo("EditCodigo", "MESA");
    EXPECT_EQ(plataforma.avisos.value(2), "El código «MESA» ya es el del artículo nº 1.");
    EXPECT_EQ(HijoProyecto<QLineEdit>("EditCodigo")->text(), "PATA");
    TeclearCampo("EditTSArticulo", "1,5");
    EXPECT_EQ(plataforma.avisos.value(3),
              "El tiempo de suministro de «PATA» ha de ser un número entero, no «1,5».");
    TeclearFilaProyecto(2, FilaRP, {"12a"});
    EXPECT_EQ(plataforma.avisos.value(4), "RP, período 2: «12a» no es un número.");
    EXPECT_EQ(SGProyecto().Celda(2, FilaRP), "");
    EXPECT_EQ(plataforma.avisos.size(), 5);
    Proyecto esperado = ejemplo;
    esperado.Articulos[1].Datos.CE = 0;
    EXPECT_EQ(FormProyecto().ProyectoActual(), esperado);

    // A cycle written into a file: every item still shows, and the cycle is named.
    QTemporaryDir carpeta;
    Proyecto ciclo = ejemplo;
    ciclo.Articulos[3].Componentes.push_back({"PATA", 2});
    const QString ruta = carpeta.filePath("ciclo.mrp");
    GuardarProyecto(ruta, ciclo);
    Responder(QMessageBox::Discard);
    plataforma.respuestasFichero.push_back(ruta);
    OrdenProyecto("AbrirProyecto");
    EXPECT_EQ(plataforma.modalesEjecutados.last(), "PreguntaGuardarProyecto");
    EXPECT_EQ(BarraEstadoProyecto(), "Proyecto abierto: " + ruta);
    Elegir("MESA");
    OrdenProyecto("CalcularProyecto");
    EXPECT_EQ(plataforma.avisos.value(5), "No se puede calcular el proyecto:\nLa estructura tiene "
                                          "un ciclo: PATA → BARRA → PATA");
    EXPECT_EQ(FormProyecto().ArticuloSeleccionado(), 2);

    // The engine failing inside an item: its message names the item, which is selected.
    Responder(QMessageBox::Discard);
    OrdenProyecto("AbrirEjemplo");
    TeclearFilaProyecto(7, FilaDI, {"1E308"});
    OrdenProyecto("CalcularProyecto");
    EXPECT_EQ(plataforma.errores, QStringList{"Artículo «TABLERO»: Floating point overflow"});
    EXPECT_EQ(FormProyecto().ArticuloSeleccionado(), 1);
}
