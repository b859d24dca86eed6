// The command line of quelmar-cli read into one order: solve a problem file, compare the methods
// on one, write its report, explode a project, run experiments, import requirements from a
// spreadsheet, or show the help or the version. Anything else is a usage error.
#pragma once

#include "Comprobacion.h"
#include "EleccionInforme.h"
#include "GuardarLibro.h"
#include "OpcionesEjercicios.h"
#include "ProblemaAleatorio.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <utility>
#include <variant>
#include <vector>

// A workbook asked for with --xlsx, or its first sheet with --csv; written besides the order's
// usual output.
struct SalidaHoja {
    QString ruta;
    FormatoHoja formato = FormatoHoja::Xlsx;
};

struct OrdenAyuda {};
struct OrdenVersion {};

struct OrdenResolver {
    QString problema;              // the .lot file
    std::optional<QString> salida; // the .sol file; standard output without it, unless explicar
    bool verCostes = true;
    bool redondear = true;
    std::optional<TipoLotificacion> metodo; // the file's method without it
    bool explicar = false;                  // how the plan was made, on standard output
    std::optional<SalidaHoja> hoja;
};

// "resolver"'s calculation written as the report, to a PDF file.
struct OrdenInforme {
    QString problema; // the .lot file, or a .mrp project
    QString salida;   // the PDF
    bool verCostes = true;
    bool redondear = true;
    std::optional<TipoLotificacion> metodo; // the file's method without it
    bool explicar = false;                  // the report explains how the plan was made
    // The sections, decimals and cover lines, as the window's dialog chooses them; the
    // explanation's section with explicar.
    EleccionInforme eleccion{};
};

// A project (.mrp, or a .lot as a project of one item) exploded level by level.
struct OrdenExplotar {
    QString proyecto;
    std::optional<QString> carpeta;         // every item's .sol and resumen.tsv
    std::optional<TipoLotificacion> metodo; // given to every item; each its own without it
    bool comparar = false;                  // the policies, on standard output
    std::optional<QString> informe;         // the report, to a PDF file
    bool verCostes = true;
    bool redondear = true;
    bool problemas = false;         // every item's .lot too, in the folder
    std::optional<SalidaHoja> hoja; // the summary and every item's record
};

struct OrdenComparar {
    QString problema; // the .lot file
    bool redondear = true;
    std::optional<SalidaHoja> hoja;
};

// One experiment field given on the command line and its text, unconverted.
using CampoExperimento = std::pair<QString TextosExperimento::*, QString>;

struct OrdenExperimentos {
    QString traza;
    std::optional<std::uint32_t> semilla; // the clock seeds the generator without it
    std::vector<CampoExperimento> campos; // in the order given; each field at most once
    bool optimo = false;                  // "Comparar con el óptimo"
    std::optional<SalidaHoja> hoja;
};

// Gross requirements read from a spreadsheet into a problem file, as "Importar necesidades".
struct OrdenImportar {
    QString hoja;                // the .csv or .xlsx
    QString salida;              // the .lot written
    std::optional<QString> base; // the problem they go into; a new one without it
};

// A sheet of exercises: the options as typed, each at most once, and the folder it goes to.
struct OrdenEjercicios {
    TextosEjercicios textos;
    QString carpeta;
};

// Students' solution files graded against a problem file.
struct OrdenCorregir {
    QString problema;                       // the .lot file
    QStringList soluciones;                 // the .sol files, at least one
    std::optional<TipoLotificacion> metodo; // the file's method without it
    double tolerancia = ToleranciaDefecto;
    bool paso = false; // each line ends with the step of its first difference
};

using Orden =
    std::variant<OrdenAyuda, OrdenVersion, OrdenResolver, OrdenComparar, OrdenInforme,
                 OrdenExperimentos, OrdenEjercicios, OrdenCorregir, OrdenExplotar, OrdenImportar>;

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

// The options of "ejercicios" that give its fields, each with its value's name, in order.
QStringList OpcionesDeEjercicios();
