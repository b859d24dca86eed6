// Build tool: writes the manual page of quelmar-cli to the file named by its one argument.
#include "PaginaManual.h"

#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("uso: generar-manual FICHERO.1\n", stderr);
        return 64;
    }
    QFile fichero(QString::fromLocal8Bit(argv[1]));
    const QByteArray pagina = PaginaManual().toUtf8();
    if (!fichero.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        fichero.write(pagina) != pagina.size() || !fichero.flush()) {
        std::fprintf(stderr, "generar-manual: %s\n", qPrintable(fichero.errorString()));
        return 1;
    }
    return 0;
}
