// What the report of a problem holds, as data: a title, the problem's file and a list of sections
// built from the last calculation and the problem's texts. Laying it out on pages and painting it
// are done elsewhere; a new kind of content is one more section.
#pragma once

#include "DatosGrafico.h"
#include "EleccionInforme.h"
#include "ResultadoCalculo.h"
#include "TextosCelda.h"
#include "TextosProblema.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <variant>
#include <vector>

// Paragraphs under a heading (the heading may be empty).
struct SeccionTexto {
    QString Titulo;
    QStringList Parrafos;
};

// Names and their values, one pair a line: the problem's parameters.
struct SeccionDatos {
    QString Titulo;
    std::vector<std::pair<QString, QString>> Filas;
};

// A table: a heading row, then rows of texts whose first cell names the row. Wider than the page,
// it is wrapped into blocks of columns, the first column repeated in each; longer than the page, it
// goes on over the next pages, the heading row repeated on each.
struct SeccionTabla {
    QString Titulo;
    QStringList Cabecera;
    std::vector<QStringList> Filas;
    std::vector<bool> FilasDestacadas;   // in bold; as many as Filas, or none
    bool UltimaColumnaDestacada = false; // the grid's column after the last period
    std::vector<bool> ColumnasDeTexto;   // aligned left; none given, only the first
    // Single cells in bold, (row of Filas, column).
    std::vector<std::pair<std::size_t, std::size_t>> CeldasDestacadas{};
    // Rows whose first cell is a line across the whole table (rows left out, summed up); as many
    // as Filas, or none.
    std::vector<bool> FilasUnidas{};
    QStringList Notas{}; // lines below the table: a key, a remark
};

// One line in large type: the total cost.
struct SeccionDestacada {
    QString Texto;
};

struct SeccionGrafico {
    QString Titulo;
    DatosGrafico Grafico;
};

// What follows starts on a new page, unless the page is still empty.
struct SeccionSaltoPagina {};

using SeccionInforme = std::variant<SeccionTexto, SeccionDatos, SeccionTabla, SeccionDestacada,
                                    SeccionGrafico, SeccionSaltoPagina>;

struct ContenidoInforme {
    QString Titulo;
    QString Subtitulo; // the problem's file; empty when it has none
    // Lines under the title, a name and its value: who hands the report in, and for what.
    std::vector<std::pair<QString, QString>> Portada{};
    std::vector<SeccionInforme> Secciones;
};

// What the report is made from: the last calculation and, before any, the window's problem as
// typed, and the reader's choice.
struct EntradaInforme : EleccionInforme {
    // Its texts are shown only before any calculation; VerCostes says whether the record shows
    // the cost rows.
    TextosProblema Problema;
    TextosCelda Celdas;
    QString FicheroProblema; // a path; empty when the problem has no file
    std::optional<ResultadoCalculo> Calculo;
    bool DatosCambiados = false; // the window's problem is no longer the one calculated
};

inline const QString TituloInforme = QStringLiteral("Quelmar — plan de lotificación");

// After a calculation, the sections chosen: the parameters it used, the record (the cost rows when
// they are shown) with its key and the total cost, the chart of the plan, the comparison (a plan
// that runs short marked so) and the explanation of how the plan was made, its long candidate
// tables cut down to the rows that decide; a word first when the data have changed since. Figures
// of results are rounded to the chosen decimals; the parameters stay as calculated. Before any
// calculation: that nothing has been calculated, and the inputs as typed. Never throws.
ContenidoInforme ConstruirInforme(const EntradaInforme& entrada);

// The item's parameters under the captions of the window's fields, its method named as given.
SeccionDatos DatosDelProblema(const Articulo& articulo, const QString& lotificacion);

// The record's heading row: the labels' column, the periods 1 to N and, when despues, the column
// after the last period.
QStringList CabeceraRegistro(int N, bool despues);
