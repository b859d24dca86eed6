// Start-up of Quelmar.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName("Quelmar");
    QMainWindow ventana;
    ventana.setWindowTitle("Quelmar");
    ventana.showMaximized();
    return QApplication::exec();
}
