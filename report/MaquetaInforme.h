// The report laid out on pages: every piece of every section placed in a rectangle of its page,
// in the units of the device the pages will be painted on, texts measured as that device draws
// them.
#pragma once

#include "ContenidoInforme.h"

#include <QFont>
#include <QRectF>

#include <variant>
#include <vector>

class QPaintDevice;

enum class LetraInforme { Titulo, Subtitulo, Encabezado, Cuerpo, Tabla, Destacada, Pie };

// The report's font of each kind, in points.
QFont Letra(LetraInforme letra);

struct PiezaTexto {
    QString Texto;
    LetraInforme Letra = LetraInforme::Cuerpo;
    Qt::Alignment Alineacion = Qt::AlignLeft;
};

// A block of a table: rows of some of its columns, as many as fit on the page.
struct PiezaTabla {
    std::vector<qreal> Anchos; // of each column
    qreal AltoFila = 0;
    std::vector<QStringList> Filas; // the heading row first when there is one
    std::vector<bool> Negritas;     // of each row
    int ColumnaNegrita = -1;        // a column in bold throughout; -1 for none
    bool Cabecera = false;          // the first row is a heading, shaded
    bool Lineas = false;            // lines between the cells; figures right-aligned
    std::vector<bool> DeTexto;      // of each column: aligned left even with lines
    std::vector<bool> Unidas{};     // of each row, or none: its first text across every column
    std::vector<std::pair<std::size_t, std::size_t>> CeldasNegritas{}; // (row, column) in bold
};

struct PiezaGrafico {
    DatosGrafico Grafico;
};

// A rule across the top of its rectangle.
struct PiezaRaya {};

struct PiezaPagina {
    QRectF Rect;
    std::variant<PiezaTexto, PiezaTabla, PiezaGrafico, PiezaRaya> Contenido;
};

struct PaginaInforme {
    std::vector<PiezaPagina> Piezas;
};

// The rule above every page's footer: nothing but the footer goes below it.
qreal LineaDelPie(const QRectF& area, const QPaintDevice& dispositivo);

// Lays the content out on pages whose printable area is area: the title and the cover's lines on
// the first page, the sections one below the other, a heading never left alone at the foot of a
// page, tables wrapped into blocks of columns as wide as the area and split across pages by rows,
// the heading row repeated, and on every page a footer with its number.
std::vector<PaginaInforme> MaquetarInforme(const ContenidoInforme& contenido, const QRectF& area,
                                           const QPaintDevice& dispositivo);
