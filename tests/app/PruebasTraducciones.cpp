// The standard dialogs in Spanish: Qt's translation and ours for Spanish locales only, ours
// winning over Qt's, and nothing left in English in the dialogs the program shows.
#include "TraduccionesDialogos.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

QString TextoBoton(QMessageBox::StandardButton boton) {
    QMessageBox caja;
    caja.setStandardButtons(boton);
    return caja.button(boton)->text();
}

// Installed before the translations, so Qt asks it last: it hears only the texts that no
// translation answered.
class TextosSinTraducir : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* contexto, const char* texto, const char* desambiguacion,
                      int) const override {
        if (!escuchando) return {};
        const QString fuente = QString::fromUtf8(texto);
        if (fuente.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))))
            textos.insert(QStringLiteral("%1 | %2 | %3")
                              .arg(QString::fromUtf8(contexto), fuente,
                                   QString::fromUtf8(desambiguacion ? desambiguacion : ""))
                              .toStdString());
        return {};
    }
    bool escuchando = false; // installing a translation asks texts that no dialog shows
    mutable std::set<std::string> textos;
};

} // namespace

TEST(TraduccionesDialogos, SoloParaLocalesEspanoles) {
    const struct {
        QLocale locale;
        bool cargadas;
        const char* si;
        const char* cancelar;
    } casos[] = {
        {QLocale(QLocale::Spanish, QLocale::Spain), true, "&Sí", "Cancelar"},
        {QLocale(QLocale::Spanish, QLocale::Mexico), true, "&Sí", "Cancelar"},
        {QLocale(QLocale::Spanish, QLocale::Argentina), true, "&Sí", "Cancelar"},
        {QLocale(QLocale::English, QLocale::UnitedStates), false, "&Yes", "Cancel"},
        {QLocale(QLocale::German, QLocale::Germany), false, "&Yes", "Cancel"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.locale.name().toStdString());
        const TraduccionesDialogos traducciones(caso.locale);
        EXPECT_EQ(traducciones.QtCargada(), caso.cargadas);
        EXPECT_EQ(traducciones.NuestraCargada(), caso.cargadas);
        EXPECT_EQ(TextoBoton(QMessageBox::Yes), QString::fromUtf8(caso.si));
        EXPECT_EQ(TextoBoton(QMessageBox::Cancel), QString::fromUtf8(caso.cancelar));
    }
    // Gone with the object: the next test starts from Qt's English.
    EXPECT_EQ(TextoBoton(QMessageBox::Cancel), QStringLiteral("Cancel"));
}

// Where Qt's translation has a text wrong, ours is the one shown; where it has none, ours fills
// the gap.
TEST(TraduccionesDialogos, LaNuestraPorEncimaDeLaDeQt) {
    const TraduccionesDialogos traducciones(QLocale(QLocale::Spanish, QLocale::Spain));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Go to the parent directory"),
              QStringLiteral("Ir al directorio superior"));

    QTemporaryDir carpeta;
    ASSERT_TRUE(carpeta.isValid());
    EXPECT_EQ(QAbstractFileIconProvider().type(QFileInfo(carpeta.path())),
              QStringLiteral("Carpeta"));

    QPrinter impresora;
    QPrintDialog dialogo(&impresora);
    const auto* paginas = dialogo.findChild<QRadioButton*>(QStringLiteral("pagesRadioButton"));
    ASSERT_NE(paginas, nullptr);
    EXPECT_EQ(paginas->text(), QStringLiteral("Páginas"));
}

// Every dialog the program shows, built and painted as a user would see it.
TEST(TraduccionesDialogos, NadaEnInglesEnLosDialogos) {
    TextosSinTraducir sinTraducir;
    QCoreApplication::installTranslator(&sinTraducir);
    {
        const TraduccionesDialogos traducciones(QLocale(QLocale::Spanish, QLocale::Spain));
        sinTraducir.escuchando = true;
        QTemporaryDir carpeta;
        ASSERT_TRUE(carpeta.isValid());
        ASSERT_TRUE(QDir(carpeta.path()).mkdir(QStringLiteral("ejercicios")));
        QFile problema(carpeta.filePath(QStringLiteral("ejemplo.lot")));
        ASSERT_TRUE(problema.open(QIODevice::WriteOnly));
        problema.write("N\t1\r\n");
        problema.close();

        for (const auto modo : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
            QFileDialog fichero;
            fichero.setOption(QFileDialog::DontUseNativeDialog);
            fichero.setAcceptMode(modo);
            fichero.setNameFilter(QStringLiteral("Ficheros de problema (*.lot)"));
            fichero.setViewMode(QFileDialog::Detail);
            fichero.setDirectory(carpeta.path());
            fichero.show();
            QTest::qWait(300); // the folder is read in another thread
            fichero.grab();
        }

        QPrinter impresora;
        QPrintDialog imprimir(&impresora);
        imprimir.setOptions(QAbstractPrintDialog::PrintPageRange |
                            QAbstractPrintDialog::PrintSelection);
        imprimir.show();
        for (QPushButton* boton : imprimir.findChildren<QPushButton*>())
            if (boton->text().contains(QStringLiteral(">>"))) boton->click();
        imprimir.grab();

        QPageSetupDialog pagina(&impresora);
        pagina.grab();
        QPrintPreviewDialog vista(&impresora);
        vista.show();
        vista.grab();

        QMessageBox aviso(QMessageBox::Warning, QStringLiteral("Quelmar"), QStringLiteral("Aviso"),
                          QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No |
                              QMessageBox::Cancel);
        aviso.setDetailedText(QStringLiteral("Detalle"));
        aviso.show();
        aviso.grab();
        sinTraducir.escuchando = false;
    }
    QCoreApplication::removeTranslator(&sinTraducir);
    std::string lista;
    for (const std::string& texto : sinTraducir.textos) lista += texto + "\n";
    EXPECT_TRUE(sinTraducir.textos.empty()) << "En inglés:\n" << lista;
}

// A source text that Qt does not have, to the character, would never be looked up: every one of
// ours is in Qt's libraries.
TEST(TraduccionesDialogos, TextosQueQtTiene) {
    QByteArray bibliotecas;
    for (const char* nombre : {"libQt6Gui.so.6", "libQt6Widgets.so.6", "libQt6PrintSupport.so.6"}) {
        QFile biblioteca(QLibraryInfo::path(QLibraryInfo::LibrariesPath) + u'/' +
                         QString::fromLatin1(nombre));
        ASSERT_TRUE(biblioteca.open(QIODevice::ReadOnly)) << nombre;
        bibliotecas += biblioteca.readAll();
    }
    QFile ts(QStringLiteral(QUELMAR_TS));
    ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    int fuentes = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.name() == QStringLiteral("source")) {
            const QByteArray fuente = xml.readElementText().toUtf8();
            ++fuentes;
            EXPECT_TRUE(bibliotecas.contains(fuente + '\0')) << fuente.toStdString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(fuentes, 0);
}
