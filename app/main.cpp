// Start-up of Quelmar: the application titled "Quelmar", then the main window, the experiments
// window and the About dialog, in that order; the program ends when the main window closes.
#include "AboutU.h"
#include "ExperimentosUnit.h"
#include "Ficheros.h"
#include "MainUnit.h"
#include "PlataformaQt.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Qt's own Spanish texts for the standard dialogs (file, print, message boxes).
void CargarTraduccionesDeQt(QApplication& aplicacion, QTranslator& traductor) {
    if (QLocale().language() != QLocale::Spanish) return;
    if (traductor.load(QLocale(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        aplicacion.installTranslator(&traductor);
}

} // namespace

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    BorrarTemporalesAlTerminar();
    QApplication::setApplicationName(QStringLiteral("Quelmar"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quelmar.svg")));
    QTranslator traductor;
    CargarTraduccionesDeQt(aplicacion, traductor);

    PlataformaQt plataforma;
    TFormMain FormMain(plataforma);
    TFormExp FormExp(plataforma);
    TAboutBox AboutBox(plataforma, &FormMain);
    FormMain.PonerVentanas(FormExp, AboutBox);

    FormMain.showMaximized();
    return QApplication::exec();
}
