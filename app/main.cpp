// Start-up of Quelmar: the application titled "Quelmar", then the main window, the experiments
// window and the About dialog, in that order; the program ends when the main window closes.
#include "AboutU.h"
#include "ExperimentosUnit.h"
#include "Ficheros.h"
#include "MainUnit.h"
#include "PlataformaQt.h"
#include "TraduccionesDialogos.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    BorrarTemporalesAlTerminar();
    QApplication::setApplicationName(QStringLiteral("Quelmar"));
    // The desktop entry's name, by which a desktop shows the running program with its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("quelmar"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quelmar.svg")));
    const TraduccionesDialogos traducciones;

    PlataformaQt plataforma;
    TFormMain FormMain(plataforma);
    TFormExp FormExp(plataforma);
    TAboutBox AboutBox(plataforma, &FormMain);
    FormMain.PonerVentanas(FormExp, AboutBox);

    FormMain.showMaximized();
    return QApplication::exec();
}
