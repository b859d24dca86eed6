// A chart as plain data: its texts, its categories and the values of its series. The plan, the
// comparison and the experiments are turned into this once, and the panels and the report draw
// it through the same routine.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// One series: its text in the legend and a value per category.
struct SerieGrafico {
    QString Nombre;
    std::vector<double> Valores;
    bool operator==(const SerieGrafico&) const = default;
};

enum class FormaBarras {
    Agrupadas, // side by side in each category
    Apiladas,  // one on top of the other, making up a total
};

struct DatosGrafico {
    QString Titulo;
    QString TituloCategorias; // the axis along which the categories go
    QString TituloValores;    // the axis of the values
    QStringList Categorias;
    std::vector<SerieGrafico> Barras;
    FormaBarras Forma = FormaBarras::Agrupadas;
    // The categories down the left side, in their order from the top, and the bars to the right:
    // long names stay readable.
    bool Horizontal = false;
    bool ValoresEnBarras = false; // each bar's value written beside it, where it fits
    int Decimales = 2;            // of the values written, as CifraLegible rounds them
    // Drawn over the bars, a marker at every category.
    std::vector<SerieGrafico> Lineas;
    // Dashed, without markers: levels to compare the lines with.
    std::vector<SerieGrafico> Referencias;
    bool operator==(const DatosGrafico&) const = default;
};
