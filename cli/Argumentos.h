// The command line of quelmar-cli read into one order: solve a problem file, compare the methods
// on one, write its report, run experiments, or show the help or the version. Anything else is a
// usage error.
#pragma once

#include "EleccionInforme.h"
#include "ProblemaAleatorio.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <utility>
#include <variant>
#include <vector>

struct OrdenAyuda {};
struct OrdenVersion {};

struct OrdenResolver {
    QString problema;              // the .lot file
    std::optional<QString> salida; // the .sol file; standard output without it, unless explicar
    bool verCostes = true;
    bool redondear = true;
    std::optional<TipoLotificacion> metodo; // the file's method without it
    bool explicar = false;                  // how the plan was made, on standard output
};

// "resolver"'s calculation written as the report, to a PDF file.
struct OrdenInforme {
    QString problema; // the .lot file
    QString salida;   // the PDF
    bool verCostes = true;
    bool redondear = true;
    std::optional<TipoLotificacion> metodo; // the file's method without it
    bool explicar = false;                  // the report explains how the plan was made
    // The sections, decimals and cover lines, as the window's dialog chooses them; the
    // explanation's section with explicar.
    EleccionInforme eleccion{};
};

struct OrdenComparar {
    QString problema; // the .lot file
    bool redondear = true;
};

// One experiment field given on the command line and its text, unconverted.
using CampoExperimento = std::pair<QString TextosExperimento::*, QString>;

struct OrdenExperimentos {
    QString traza;
    std::optional<std::uint32_t> semilla; // the clock seeds the generator without it
    std::vector<CampoExperimento> campos; // in the order given; each field at most once
    bool optimo = false;                  // "Comparar con el óptimo"
};

using Orden = std::variant<OrdenAyuda, OrdenVersion, OrdenResolver, OrdenComparar, OrdenInforme,
                           OrdenExperimentos>;

// A command line that names no valid order; the message says what is wrong with it.
struct ErrorUso : std::runtime_error {
    explicit ErrorUso(const QString& motivo);
};

// Reads the arguments that follow the program's name. Throws ErrorUso.
Orden LeerArgumentos(const QStringList& argumentos);

// The experiment fields with the texts given replacing the window's defaults.
TextosExperimento TextosConCampos(const std::vector<CampoExperimento>& campos);

// The options that give the experiment fields, in the window's order.
QStringList OpcionesDeCampo();
