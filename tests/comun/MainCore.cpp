// Test main for code over Qt Core: a core application and the Spanish locale.
#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication aplicacion(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
