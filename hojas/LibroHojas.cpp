// Cells from typed texts, and the widths that fit a sheet's columns.
#include "LibroHojas.h"

#include "LecturaNumeros.h"
#include "Numeros.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

// The characters a spreadsheet shows for the number in its format, near enough to size a column.
qsizetype LongitudMostrada(const Celda& celda) {
    if (celda.formato == FormatoNumero::Identificador)
        return FormatoFijo(celda.numero, 17, 0).size();
    const bool porcentaje = celda.formato == FormatoNumero::Porcentaje;
    QString texto = FormatoFijo(porcentaje ? celda.numero * 100 : celda.numero, 17, 2);
    const qsizetype separador = texto.indexOf(QLocale().decimalPoint());
    if (separador >= 0) {
        while (texto.endsWith(u'0')) texto.chop(1);
        if (texto.size() == separador + 1) texto.chop(1);
    }
    const qsizetype enteras = (separador >= 0 ? separador : texto.size()) - texto.startsWith(u'-');
    return texto.size() + std::max<qsizetype>(0, (enteras - 1) / 3) + (porcentaje ? 1 : 0);
}

qsizetype Longitud(const Celda& celda) {
    switch (celda.tipo) {
    case Celda::Tipo::Vacia:
        return 0;
    case Celda::Tipo::Numero:
        return LongitudMostrada(celda);
    case Celda::Tipo::Texto:
        return celda.texto.size();
    }
    return 0;
}

} // namespace

Celda CeldaDeTexto(const QString& texto) {
    if (texto.trimmed().isEmpty()) return Celda::TextoOVacia(texto);
    try {
        return Celda::Numero(StrToFloat(texto));
    } catch (const std::exception&) {
        return Celda::Texto(texto);
    }
}

std::vector<double> AnchosColumnas(const Hoja& hoja) {
    constexpr double Minimo = 6, Maximo = 60, Margen = 2;
    std::vector<double> anchos;
    for (const FilaHoja& fila : hoja.filas) {
        const auto llenas = std::count_if(
            fila.begin(), fila.end(), [](const Celda& c) { return c.tipo != Celda::Tipo::Vacia; });
        if (anchos.size() < fila.size()) anchos.resize(fila.size(), Minimo);
        if (llenas == 1 && fila.size() > 0 &&
            std::find_if(fila.begin(), fila.end(),
                         [](const Celda& c) { return c.tipo == Celda::Tipo::Texto; }) != fila.end())
            continue;
        for (std::size_t c = 0; c < fila.size(); ++c) {
            const double ancho = double(Longitud(fila[c])) * (fila[c].negrita ? 1.1 : 1.0) + Margen;
            anchos[c] = std::clamp(std::max(anchos[c], ancho), Minimo, Maximo);
        }
    }
    return anchos;
}
