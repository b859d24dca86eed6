// The project's failures and their messages.
#include "ErroresProyecto.h"

EFicheroProyecto::EFicheroProyecto(const QString& mensaje)
    : std::runtime_error(mensaje.toUtf8().toStdString()) {}

ECalculoArticulo::ECalculoArticulo(const QString& codigo, const std::exception& causa)
    : std::runtime_error(QStringLiteral("Artículo «%1»: %2")
                             .arg(codigo, QString::fromUtf8(causa.what()))
                             .toUtf8()
                             .toStdString()),
      Codigo(codigo) {}
