// The window's "E&jercicio" menu: a typed record checked and marked without touching a text, the
// marks going with an edit and with the next calculation, the tolerance and the sheet asked for in
// their dialogs.
#include "AyudasMainUnit.h"
#include "Comprobacion.h"
#include "DialogoHojaEjercicios.h"
#include "HojaEjercicios.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

class EjercicioMain : public PruebaMain {
protected:
    QVariant Dato(int columna, int fila, int rol) {
        return SG().model()->data(SG().model()->index(fila - 1, columna - 1), rol);
    }
    QColor Fondo(int columna, int fila) {
        return Dato(columna, fila, Qt::BackgroundRole).value<QColor>();
    }
    QString Pista(int columna, int fila) { return Dato(columna, fila, Qt::ToolTipRole).toString(); }

    // The example, then the student's NN row with period 4 wrong and D of period 2; nothing else.
    void TeclearEjemploYRespuestas() {
        TeclearEjemplo();
        TeclearFila(1, FilaNN, {"", "50", "70", "65", "95", "75", "60", "55"});
        TeclearFila(2, FilaD, {"10"});
    }
};

void PonerCampo(QDialog& dialogo, const char* campo, const QString& texto) {
    dialogo.findChild<QLineEdit*>(QString::fromLatin1(campo))->setText(texto);
}

} // namespace

TEST_F(EjercicioMain, ComprobarMarcaSinTocarLosTextos) {
    TeclearEjemploYRespuestas();
    const TextosCelda antes = SG().Textos();
    Menu("ComprobarSolucion1");

    EXPECT_EQ(plataforma.mensajes, QStringList());
    EXPECT_EQ(SG().Textos(), antes);
    EXPECT_FALSE(ventana.UltimoCalculo()) << "a check is no calculation";
    EXPECT_EQ(BarraEstado(),
              "25 de 56 celdas correctas; la primera diferencia está en PPL, período 1");
    const QColor verde = Fondo(2, FilaNN), rojo = Fondo(4, FilaNN), ambar = Fondo(2, FilaRPPL);
    EXPECT_TRUE(verde.isValid() && rojo.isValid() && ambar.isValid());
    EXPECT_NE(verde, rojo);
    EXPECT_NE(rojo, ambar);
    EXPECT_EQ(Fondo(8, FilaPPL), verde) << "empty where the record holds 0";
    EXPECT_FALSE(Dato(1, FilaD, Qt::BackgroundRole).isValid()) << "the initial stock is an input";
    EXPECT_EQ(Pista(4, FilaNN), "65\nIncorrecto");

    // The solution on request: in the tool tips, and the first difference's step in the panel.
    Menu("MostrarSolucion1");
    EXPECT_EQ(Pista(4, FilaNN), "65\nIncorrecto (el valor correcto es 60)");
    auto* paso = Hijo<QLabel>("PasoEjercicio");
    EXPECT_EQ(paso->text(), "Primera diferencia: PPL, período 1\n"
                            "PPL[1] = RPPL[2] = 50: el lote se emite 1 período antes de recibirse");

    // An edit takes its cell's mark; a calculation takes them all.
    TeclearFila(4, FilaNN, {"60"});
    EXPECT_FALSE(Dato(4, FilaNN, Qt::BackgroundRole).isValid());
    EXPECT_EQ(Fondo(2, FilaNN), verde);
    Orden("ToolButtonCalcular");
    for (int columna = 1; columna <= 9; ++columna)
        for (int fila = FilaD; fila <= FilaCTotal; ++fila)
            EXPECT_FALSE(Dato(columna, fila, Qt::BackgroundRole).isValid()) << columna << fila;
    EXPECT_TRUE(paso->text().isEmpty());
}

TEST_F(EjercicioMain, LaToleranciaSeAjustaEnSuDialogo) {
    TeclearEjemploYRespuestas();
    TeclearFila(4, FilaNN, {"60,5"});
    // Shown with the tolerance in use, then again with what was typed.
    QStringList mostrados = {"0,01", "abc"}, textos = {"abc", "0,5"};
    plataforma.guionModal = [&](QDialog& dialogo) {
        EXPECT_EQ(dialogo.findChild<QLineEdit*>("EditTolerancia")->text(), mostrados.takeFirst());
        PonerCampo(dialogo, "EditTolerancia", textos.takeFirst());
        return int(QDialog::Accepted);
    };
    Menu("Tolerancia1");
    EXPECT_EQ(plataforma.avisos, QStringList({AvisoTolerancia}));
    EXPECT_EQ(plataforma.modalesEjecutados,
              QStringList({"DialogoTolerancia", "DialogoTolerancia"}));
    Menu("ComprobarSolucion1");
    EXPECT_EQ(Pista(4, FilaNN), "60,5\nCorrecto");
}

TEST_F(EjercicioMain, LaHojaSeGeneraDesdeSuDialogo) {
    const QTemporaryDir raiz;
    const QString carpeta = raiz.filePath("hoja");
    plataforma.respuestasCarpeta.push_back(carpeta);
    int vez = 0;
    plataforma.guionModal = [&](QDialog& dialogo) {
        ++vez;
        if (vez == 1) { // a wrong quantity, and the folder from its dialog
            PonerCampo(dialogo, "EditCantidad", "0");
            dialogo.findChild<QPushButton*>("BotonCarpeta")->click();
            EXPECT_EQ(dialogo.findChild<QLineEdit*>("EditCarpeta")->text(), carpeta);
        } else if (vez == 2) { // shown again as it was left
            EXPECT_EQ(dialogo.findChild<QLineEdit*>("EditCantidad")->text(), "0");
            PonerCampo(dialogo, "EditCantidad", "2");
            PonerCampo(dialogo, "EditSemilla", "5");
            auto* metodo = dialogo.findChild<QComboBox*>("ComboMetodo");
            metodo->setCurrentIndex(metodo->findData("2"));
        } else if (vez == 4) { // the second sheet's question: the files stay
            return int(QMessageBox::No);
        }
        return int(QDialog::Accepted);
    };
    Menu("GenerarHojaEjercicios1");
    EXPECT_EQ(plataforma.avisos.size(), 1);
    EXPECT_EQ(
        QDir(carpeta).entryList(QDir::Files, QDir::Name),
        QStringList({"ejercicio01.lot", "ejercicio02.lot", "enunciados.pdf", "soluciones.pdf"}));
    EXPECT_EQ(BarraEstado(), "Hoja de 2 ejercicios escrita en " + carpeta + ", con la semilla 5");
    QFile problema(carpeta + "/ejercicio02.lot");
    ASSERT_TRUE(problema.open(QIODevice::ReadOnly));
    EXPECT_TRUE(problema.readAll().contains("= 2\r\n")) << "POQ in every exercise";

    Menu("GenerarHojaEjercicios1");
    EXPECT_EQ(plataforma.modalesEjecutados.last(), "PreguntaReemplazarHoja");
    EXPECT_TRUE(BarraEstado().endsWith("con la semilla 5"));
}
