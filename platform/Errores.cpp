// The platform's errors and the messages of file failures.
#include "Errores.h"

#include <cerrno>

EConvertError::EConvertError(const QString& mensaje)
    : std::runtime_error(mensaje.toUtf8().toStdString()) {}

EInOutError::EInOutError(int codigoErrno)
    : std::runtime_error(MensajeErrorEntradaSalida(codigoErrno).toUtf8().toStdString()),
      codigo(codigoErrno) {}

QString MensajeErrorEntradaSalida(int codigoErrno) {
    switch (codigoErrno) {
    case ENOENT:
        return QStringLiteral("File not found");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return QStringLiteral("File access denied");
    case ENOSPC:
        return QStringLiteral("Disk full");
    default:
        return QStringLiteral("I/O error %1").arg(codigoErrno);
    }
}
