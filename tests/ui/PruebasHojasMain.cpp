// The main window's spreadsheet commands: the calculation exported through the save dialog, and
// requirements imported as if typed, or refused with the cell named and nothing changed.
#include "AyudasMainUnit.h"
#include "Ficheros.h"
#include "HojaIndependiente.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class PruebaHojas : public PruebaMain {
protected:
    QTemporaryDir carpeta;

    void Importar(const char* nombre, const QByteArray& bytes) {
        const QString ruta = carpeta.filePath(nombre);
        QFile fichero(ruta);
        ASSERT_TRUE(fichero.open(QIODevice::WriteOnly));
        fichero.write(bytes);
        fichero.close();
        plataforma.respuestasFichero.push_back(ruta);
        Menu("ImportarNecesidades1");
    }
};

} // namespace

TEST_F(PruebaHojas, ExportarElCalculoALibroYACsv) {
    TeclearEjemplo();
    Boton("ToolButtonCalcular");
    const QString ruta = carpeta.filePath("ejemplo.xlsx");
    plataforma.respuestasFichero.push_back(ruta);
    Menu("ExportarHoja1");
    ASSERT_TRUE(plataforma.mensajes.isEmpty()) << plataforma.mensajes.join('\n').toStdString();
    const DialogoFichero& dialogo = plataforma.dialogosMostrados.back();
    EXPECT_EQ(dialogo.tipo, DialogoFichero::Tipo::Guardar);
    EXPECT_EQ(dialogo.filtro, "Libro de Excel (*.xlsx);;Valores separados por comas (*.csv)");
    EXPECT_EQ(dialogo.extensionDefecto, "xlsx");
    EXPECT_EQ(BarraEstado(), "Hoja de cálculo guardada en " + ruta);

    const std::vector<HojaExterna> hojas = LeerConOpenpyxl(ruta);
    ASSERT_EQ(hojas.size(), 4u);
    EXPECT_EQ(hojas[0].Numero("J10"), ventana.UltimoCalculo()->CosteTotal());
    EXPECT_EQ(hojas[0].Numero("B3"), 60);

    const QString csv = carpeta.filePath("ejemplo.csv");
    plataforma.respuestasFichero.push_back(csv);
    Menu("ExportarHoja1");
    EXPECT_TRUE(LeerFichero(csv).startsWith(
        "\xEF\xBB\xBF;1;2;3;4;5;6;7;8\r\nNB;50;60;70;60;95;75;60;55\r\n"));
}

TEST_F(PruebaHojas, ImportarPoneNYLasFilasComoTecleadas) {
    TeclearEjemplo();
    Importar("necesidades.csv", "Necesidades;10;;2,5\r\nRecepciones;;4\r\n");
    ASSERT_TRUE(plataforma.mensajes.isEmpty()) << plataforma.mensajes.join('\n').toStdString();
    EXPECT_EQ(Campo("EditNPeriodos")->text(), "3");
    EXPECT_EQ(SG().Columnas(), 5);
    EXPECT_EQ(Fila(FilaNB, 4), QStringList({"10", "", "2,5", ""}));
    EXPECT_EQ(Fila(FilaRP, 4), QStringList({"", "4", "", ""}));
    EXPECT_EQ(SG().Celda(1, FilaD), "60");
    EXPECT_EQ(SG().Celda(3, 0), "3");
    EXPECT_EQ(BarraEstado(), "Importadas las necesidades brutas de 3 períodos de " +
                                 carpeta.filePath("necesidades.csv"));
    // The requirements of the longer grid are gone, not hidden.
    Teclear("EditNPeriodos", "8");
    EXPECT_EQ(Fila(FilaNB, 8), QStringList({"10", "", "2,5", "", "", "", "", ""}));

    Boton("ToolButtonCalcular");
    EXPECT_EQ(ventana.UltimoCalculo()->Problema.Entrada.NB[3], 2.5);
}

TEST_F(PruebaHojas, ImportarMalNombraLaCeldaYNoCambiaNada) {
    TeclearEjemplo();
    const QStringList antes = Fila(FilaNB, 9);
    Importar("mala.csv", "NB;1;2\r\nRP;0;12a\r\n");
    EXPECT_EQ(plataforma.avisos, QStringList{"Fila 2, columna C: «12a» no es un número."});
    Importar("nada.csv", "");
    EXPECT_EQ(plataforma.avisos.last(), "La hoja no tiene ninguna necesidad bruta.");
    EXPECT_EQ(Campo("EditNPeriodos")->text(), "8");
    EXPECT_EQ(Fila(FilaNB, 9), antes);
    plataforma.respuestasFichero.push_back(carpeta.filePath("no-esta.csv"));
    Menu("ImportarNecesidades1");
    EXPECT_EQ(plataforma.errores, QStringList{"File not found"});
}
