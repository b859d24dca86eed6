// The platform's errors and the messages of file failures.
#include "Errores.h"

#include <cerrno>

EConvertError::EConvertError(const QString& texto)
    : std::runtime_error(texto.toUtf8().toStdString()), mensaje(texto) {}

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

QString MensajeError(const std::exception& error) {
    if (const auto* conversion = dynamic_cast<const EConvertError*>(&error))
        return conversion->mensaje;
    return QString::fromUtf8(error.what());
}

QString TextoEnMensaje(const QString& texto) {
    constexpr int maximo = 200;
    // Characters, not code units: one outside the basic plane takes two and is never split.
    qsizetype fin = 0;
    for (int caracteres = 0; fin < texto.size() && caracteres < maximo; ++caracteres) {
        const bool par = texto[fin].isHighSurrogate() && fin + 1 < texto.size() &&
                         texto[fin + 1].isLowSurrogate();
        fin += par ? 2 : 1;
    }
    if (fin == texto.size()) return texto;
    return texto.left(fin) + QStringLiteral("…");
}
