// Writing to the standard streams.
#include "Consola.h"

#include "Errores.h"

#include <cerrno>

namespace {

// A stream keeps no error code: errno, cleared before the operation, still holds the one of the
// write that failed.
void Comprobar(const std::ostream& destino) {
    if (destino.fail()) throw EInOutError(errno != 0 ? errno : EIO);
}

} // namespace

void EscribirLinea(std::ostream& destino, const QString& texto) {
    EscribirBytes(destino, texto.toLocal8Bit() + '\n');
}

void EscribirBytes(std::ostream& destino, const QByteArray& bytes) {
    errno = 0;
    destino.write(bytes.constData(), static_cast<std::streamsize>(bytes.size()));
    Comprobar(destino);
}

void Vaciar(std::ostream& destino) {
    errno = 0;
    destino.flush();
    Comprobar(destino);
}
