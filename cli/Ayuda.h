// The help of quelmar-cli as data: the one source of its --help text and of its manual page, so
// that the two never tell different things.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// A term and what it means: an option with its value, an exit status, an example's command line.
struct EntradaAyuda {
    QString termino;
    QString explicacion;
};

// One order, what it does and its options.
struct OrdenDeAyuda {
    QString nombre;
    QString explicacion;
    std::vector<EntradaAyuda> opciones;
};

struct DatosAyuda {
    QString programa;
    QString resumen;                     // what the tool does, in a few words, in lower case
    std::vector<QString> sinopsis;       // each way of calling it, after the program's name
    std::vector<QString> descripcion;    // paragraphs
    std::vector<OrdenDeAyuda> ordenes;   // with their own options
    std::vector<EntradaAyuda> generales; // options that stand alone
    std::vector<EntradaAyuda> estados;   // the exit statuses
    std::vector<EntradaAyuda> ejemplos;  // a command line and what it does
};

const DatosAyuda& Ayuda();

// The words of a synopsis, an optional part in brackets kept whole, so that no line breaks it.
QStringList PiezasDeSinopsis(const QString& sinopsis);

// The short usage text shown after a usage error, and the whole help.
QString TextoUso();
QString TextoAyuda();
