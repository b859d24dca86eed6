// Choosing the writer and saving its bytes through the one atomic save.
#include "GuardarLibro.h"

#include "Csv.h"
#include "EscrituraXlsx.h"
#include "Ficheros.h"

FormatoHoja FormatoDeRuta(const QString& ruta) {
    return ruta.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? FormatoHoja::Csv
                                                                      : FormatoHoja::Xlsx;
}

void GuardarLibro(const QString& ruta, const Libro& libro, FormatoHoja formato) {
    if (formato == FormatoHoja::Csv) {
        EscribirFicheroSeguro(ruta,
                              libro.hojas.empty() ? HojaCsv({}) : HojaCsv(libro.hojas.front()));
        return;
    }
    EscribirFicheroSeguro(ruta, LibroXlsx(libro));
}
