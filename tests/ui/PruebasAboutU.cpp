// The About dialog: its texts, its links and the mail, driven with the mouse.
#include "AboutU.h"
#include "PlataformaGuionada.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QLabel* Etiqueta(TAboutBox& caja, const char* nombre) {
    return caja.findChild<QLabel*>(nombre);
}

TEST(AboutBox, MuestraElProductoLaVersionYUnCursorDeManoSobreLosEnlaces) {
    PlataformaGuionada plataforma;
    TAboutBox caja(plataforma);
    EXPECT_EQ(caja.windowTitle(), "Acerca de ...");
    EXPECT_EQ(caja.size(), QSize(602, 351));
    EXPECT_EQ(Etiqueta(caja, "ProductName")->text(), "Quelmar");
    EXPECT_EQ(Etiqueta(caja, "Label4")->text(), "Versión");
    EXPECT_EQ(Etiqueta(caja, "Version")->text(), "2013 · A");
    EXPECT_TRUE(Etiqueta(caja, "Comments")->text().startsWith("Autor: "));
    for (const char* enlace : {"Label1", "Label2", "Label9"})
        EXPECT_EQ(Etiqueta(caja, enlace)->cursor().shape(), Qt::PointingHandCursor) << enlace;
    EXPECT_FALSE(Etiqueta(caja, "ProgramIcon")->pixmap().isNull());
    auto* aceptar = caja.findChild<QPushButton*>("BitBtn1");
    EXPECT_EQ(aceptar->text(), "Aceptar");
    EXPECT_TRUE(aceptar->isDefault());
}

TEST(AboutBox, CualquierBotonDelRatonSobreUnEnlaceLoAbre) {
    PlataformaGuionada plataforma;
    TAboutBox caja(plataforma);
    QTest::mouseClick(Etiqueta(caja, "Label1"), Qt::LeftButton);
    QTest::mouseClick(Etiqueta(caja, "Label9"), Qt::RightButton);
    ASSERT_EQ(plataforma.urlsAbiertas.size(), 2);
    EXPECT_TRUE(plataforma.urlsAbiertas[0].isLocalFile());
    EXPECT_TRUE(plataforma.urlsAbiertas[0].toLocalFile().endsWith("/README.md"));
    EXPECT_EQ(plataforma.urlsAbiertas[1], QUrl("https://www.gnu.org/licenses/gpl-3.0.html"));
    // The program carries a copy for when the source tree is gone.
    QFile copia(":/README.md");
    ASSERT_TRUE(copia.open(QIODevice::ReadOnly));
    EXPECT_TRUE(copia.readAll().startsWith("# Quelmar"));
    EXPECT_TRUE(plataforma.errores.isEmpty());
}

TEST(AboutBox, ElCorreoLlevaLasDosLineasYSuFalloSeInforma) {
    PlataformaGuionada plataforma;
    TAboutBox caja(plataforma);
    QTest::mouseClick(Etiqueta(caja, "Label2"), Qt::LeftButton);
    ASSERT_EQ(plataforma.correos.size(), 1);
    EXPECT_EQ(plataforma.correos[0].split('\n').size(), 2);
    EXPECT_TRUE(plataforma.errores.isEmpty());

    plataforma.correoFunciona = false;
    QTest::mouseClick(Etiqueta(caja, "Label2"), Qt::LeftButton);
    EXPECT_EQ(plataforma.errores, QStringList{"Error sending mail"});
}

TEST(AboutBox, AceptarCierraConResultadoAceptado) {
    PlataformaGuionada plataforma;
    TAboutBox caja(plataforma);
    caja.show();
    QSignalSpy aceptado(&caja, &QDialog::accepted);
    QTest::mouseClick(caja.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(aceptado.count(), 1);
    EXPECT_FALSE(caja.isVisible());
    EXPECT_EQ(caja.result(), QDialog::Accepted);
}

} // namespace
