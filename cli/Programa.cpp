// Dispatching the orders. The only place that catches: an order stops where it fails, as the
// windows' commands do, and its message goes to standard error.
#include "Programa.h"

#include "Argumentos.h"
#include "Ayuda.h"
#include "Errores.h"
#include "OrdenComparar.h"
#include "OrdenCorregir.h"
#include "OrdenEjercicios.h"
#include "OrdenExperimentos.h"
#include "OrdenExplotar.h"
#include "OrdenImportar.h"
#include "OrdenInforme.h"
#include "OrdenResolver.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <exception>
#include <variant>

#ifndef QUELMAR_VERSION
#error "QUELMAR_VERSION must be defined by the build"
#endif

namespace {

struct Despacho {
    const Consola& consola;

    EstadoSalida operator()(const OrdenAyuda&) const {
        EscribirBytes(consola.salida, TextoAyuda().toLocal8Bit());
        Vaciar(consola.salida);
        return SalidaHecho;
    }
    EstadoSalida operator()(const OrdenVersion&) const {
        EscribirLinea(consola.salida, QStringLiteral("quelmar-cli " QUELMAR_VERSION));
        Vaciar(consola.salida);
        return SalidaHecho;
    }
    EstadoSalida operator()(const OrdenResolver& orden) const { return Resolver(orden, consola); }
    EstadoSalida operator()(const OrdenComparar& orden) const { return Comparar(orden, consola); }
    EstadoSalida operator()(const OrdenInforme& orden) const {
        return EscribirInforme(orden, consola);
    }
    EstadoSalida operator()(const OrdenExperimentos& orden) const {
        return Experimentar(orden, consola);
    }
    EstadoSalida operator()(const OrdenEjercicios& orden) const {
        return EscribirEjercicios(orden, consola);
    }
    EstadoSalida operator()(const OrdenCorregir& orden) const { return Corregir(orden, consola); }
    EstadoSalida operator()(const OrdenExplotar& orden) const {
        return ExplotarFichero(orden, consola);
    }
    EstadoSalida operator()(const OrdenImportar& orden) const { return Importar(orden, consola); }
};

void Informar(std::ostream& errores, const QString& mensaje) {
    try {
        EscribirLinea(errores, mensaje);
    } catch (const std::exception&) {
        // Standard error itself is lost: the exit status is all that is left to tell.
    }
}

// "explotar" paints a report only when one is asked for.
bool PideInforme(int argc, char** argv) {
    for (int i = 2; i < argc; ++i)
        if (std::strncmp(argv[i], "--informe", 9) == 0) return true;
    return false;
}

} // namespace

int EjecutarPrograma(const QStringList& argumentos, const Consola& consola) {
    Orden orden;
    try {
        orden = LeerArgumentos(argumentos);
    } catch (const ErrorUso& error) {
        Informar(consola.errores, QStringLiteral("quelmar-cli: ") +
                                      QString::fromUtf8(error.what()) + QStringLiteral("\n") +
                                      TextoUso().trimmed());
        return SalidaUso;
    }
    try {
        return std::visit(Despacho{consola}, orden);
    } catch (const std::exception& error) {
        Informar(consola.errores, MensajeError(error));
    } catch (...) {
        Informar(consola.errores, QStringLiteral("Unexpected error"));
    }
    return SalidaError;
}

std::unique_ptr<QCoreApplication> CrearAplicacion(int& argc, char** argv) {
    // "ejercicios" paints the PDFs of its sheet, and "explotar" its report when asked for one,
    // which needs fonts as "informe" does.
    if (argc > 1 &&
        (std::strcmp(argv[1], "informe") == 0 || std::strcmp(argv[1], "ejercicios") == 0 ||
         (std::strcmp(argv[1], "explotar") == 0 && PideInforme(argc, argv)))) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's notices about the desktop session (a missing XDG_RUNTIME_DIR, fonts) mean nothing
        // to a batch user; only its critical messages still reach standard error.
        qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
            if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
                std::fprintf(stderr, "%s\n", texto.toLocal8Bit().constData());
        });
        return std::make_unique<QApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}
