// What the report of a problem holds, as data: a title, the problem's file and a list of sections
// built from the last calculation and the problem's texts. Laying it out on pages and painting it
// are done elsewhere; a new kind of content is one more section.
#pragma once

#include "DatosGrafico.h"
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
// it is wrapped into blocks of columns, the first column repeated in each.
struct SeccionTabla {
    QString Titulo;
    QStringList Cabecera;
    std::vector<QStringList> Filas;
    std::vector<bool> FilasDestacadas;   // in bold; as many as Filas, or none
    bool UltimaColumnaDestacada = false; // the grid's column after the last period
    std::vector<bool> ColumnasDeTexto;   // aligned left; none given, only the first
};

// One line in large type: the total cost.
struct SeccionDestacada {
    QString Texto;
};

struct SeccionGrafico {
    QString Titulo;
    DatosGrafico Grafico;
};

using SeccionInforme =
    std::variant<SeccionTexto, SeccionDatos, SeccionTabla, SeccionDestacada, SeccionGrafico>;

struct ContenidoInforme {
    QString Titulo;
    QString Subtitulo; // the problem's file; empty when it has none
    std::vector<SeccionInforme> Secciones;
};

// What the report is made from: the last calculation and, before any, the window's problem as
// typed.
struct EntradaInforme {
    // Its texts are shown only before any calculation; VerCostes says whether the record shows
    // the cost rows.
    TextosProblema Problema;
    TextosCelda Celdas;
    QString FicheroProblema; // a path; empty when the problem has no file
    std::optional<ResultadoCalculo> Calculo;
    bool DatosCambiados = false; // the window's problem is no longer the one calculated
    bool ConComparacion = false; // the comparison's panel is open
    bool ConExplicacion = false; // the explanation's panel is open
};

// The grid's heading: the labels' column, the periods, and the column after the last one.
QStringList CabeceraRegistro(int N, bool despues);

inline const QString TituloInforme = QStringLiteral("Quelmar — plan de lotificación");

// After a calculation: the parameters it used, the record as the grid writes it (the cost rows
// when they are shown), the total cost, the chart of the plan and, when asked, the comparison and
// the explanation of how the plan was made; a word first when the data have changed since. Before
// any calculation: that nothing has been calculated, and the inputs as typed. Never throws.
ContenidoInforme ConstruirInforme(const EntradaInforme& entrada);
