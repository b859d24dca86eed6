// A workbook as plain data: named sheets of tables whose cells are numbers or texts. Any part of
// the program fills one; the writers in this folder turn it into an .xlsx or a .csv file.
#pragma once

#include <QString>

#include <vector>

// How a spreadsheet shows a number; the cell keeps the whole double either way.
enum class FormatoNumero {
    Decimal,       // up to 2 decimals, thousands grouped
    Porcentaje,    // a fraction, as a percentage with up to 2 decimals
    Identificador, // a whole number that names rather than measures: a period, a seed
};

struct Celda {
    enum class Tipo { Vacia, Numero, Texto };
    Tipo tipo = Tipo::Vacia;
    double numero = 0;
    QString texto;
    FormatoNumero formato = FormatoNumero::Decimal;
    bool negrita = false;

    static Celda Numero(double valor, FormatoNumero formato = FormatoNumero::Decimal) {
        return {Tipo::Numero, valor, {}, formato, false};
    }
    static Celda Texto(const QString& texto) { return {Tipo::Texto, 0, texto, {}, false}; }
    // An empty text is an empty cell.
    static Celda TextoOVacia(const QString& texto) {
        return texto.isEmpty() ? Celda{} : Texto(texto);
    }
    Celda& Negrita() {
        negrita = true;
        return *this;
    }
    bool operator==(const Celda&) const = default;
};

using FilaHoja = std::vector<Celda>;

struct Hoja {
    QString nombre; // made valid and unique when written (NombresDeHojas)
    std::vector<FilaHoja> filas;
    // Rows and columns that stay in view while the rest scrolls: the heading, the row names.
    int filasFijas = 1;
    int columnasFijas = 0;

    // Appends a row and returns it.
    FilaHoja& Fila(FilaHoja fila = {}) {
        filas.push_back(std::move(fila));
        return filas.back();
    }
};

struct Libro {
    std::vector<Hoja> hojas;
};

// A text as the user typed it, in the locale: a number when it reads as one, otherwise the text;
// empty for an empty text.
Celda CeldaDeTexto(const QString& texto);

// The widths of the sheet's columns, in characters, to fit what they show. A text alone in its
// row (a heading, a paragraph) runs over the empty cells beside it and widens nothing.
std::vector<double> AnchosColumnas(const Hoja& hoja);
