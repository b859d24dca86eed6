// Test main for widgets: a whole application on the offscreen platform and the Spanish locale.
#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
