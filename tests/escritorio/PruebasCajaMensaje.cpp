// The boxes of the warnings and of the error report: their title has room however short the text.
#include "CajaMensaje.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(CajaMensaje, UnTextoCortoDejaVerElTitulo) {
    for (const QMessageBox::Icon icono : {QMessageBox::Warning, QMessageBox::Critical}) {
        const auto caja = CajaMensaje(nullptr, icono, QStringLiteral("File not found"));
        caja->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(caja.get()));
        EXPECT_EQ(caja->windowTitle(), "Quelmar");
        EXPECT_EQ(caja->text(), "File not found");
        EXPECT_EQ(caja->standardButtons(), QMessageBox::Ok);
        QFont titulo = QApplication::font();
        titulo.setBold(true);
        EXPECT_GE(caja->width(),
                  QFontMetrics(titulo).horizontalAdvance("Quelmar") + EspacioMarcoTitulo);
    }
}

} // namespace
