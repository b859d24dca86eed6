// The first sheet of a file read back: workbooks from openpyxl and from the program, CSV in both
// encodings and with quoted fields.
#include "Csv.h"
#include "EscrituraXlsx.h"
#include "Ficheros.h"
#include "HojaIndependiente.h"
#include "LecturaHoja.h"
#include "Numeros.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The table as "A1=texto" or "A1=#número" entries, filled cells only.
QStringList Celdas(const TablaLeida& tabla) {
    QStringList celdas;
    for (std::size_t f = 0; f < tabla.size(); ++f)
        for (std::size_t c = 0; c < tabla[f].size(); ++c) {
            const CeldaLeida& celda = tabla[f][c];
            if (celda.texto.isEmpty() && !celda.numero) continue;
            celdas << NombreColumna(int(c)) + QString::number(f + 1) + u'=' +
                          (celda.numero ? u'#' + FormatoExacto(*celda.numero) : celda.texto);
        }
    return celdas;
}

} // namespace

TEST(LecturaHojas, LibroDeOpenpyxlLeidoPorSuPrimeraHoja) {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("openpyxl.xlsx");
    EscribirConOpenpyxl(ruta, {{"A1", "NB"},
                               {"B1", 10},
                               {"C1", 1.0 / 3},
                               {"E1", "12,5"},
                               {"A2", "Recepción «RP»"},
                               {"AA3", -4.5}});
    const HojaLeida hoja = LeerPrimeraHoja(LeerFichero(ruta));
    EXPECT_TRUE(hoja.fallo.isEmpty());
    EXPECT_EQ(Celdas(hoja.celdas), QStringList({"A1=NB", "B1=#10", "C1=#0,3333333333333333",
                                                "E1=12,5", "A2=Recepción «RP»", "AA3=#-4,5"}));
    EXPECT_EQ(*hoja.celdas[0][2].numero, 1.0 / 3);
}

TEST(LecturaHojas, LibroPropioLeidoIgual) {
    Hoja primera;
    primera.Fila({Celda::Texto("NB"), Celda{}, Celda::Numero(1.0 / 3)});
    Hoja segunda;
    segunda.Fila({Celda::Texto("otra")});
    const HojaLeida hoja = LeerPrimeraHoja(LibroXlsx({{primera, segunda}}));
    EXPECT_EQ(Celdas(hoja.celdas), QStringList({"A1=NB", "C1=#0,3333333333333333"}));
}

TEST(LecturaHojas, CsvConComillasFinesDeLineaYCodificaciones) {
    const struct {
        const char* nombre;
        QByteArray bytes;
        QStringList celdas;
    } casos[] = {
        {"utf8_con_bom",
         "\xEF\xBB\xBFNB;1,5;;3\r\nRP;\"a;b\";\"di \"\"x\"\"\"\r\n",
         {"A1=NB", "B1=1,5", "D1=3", "A2=RP", "B2=a;b", "C2=di \"x\""}},
        {"windows_1252", "Recepci\xF3n;2\n", {"A1=Recepción", "B1=2"}},
        {"fin_cr_y_linea_en_comillas", "\"dos\nlíneas\";1\r7", {"A1=dos\nlíneas", "B1=1", "A2=7"}},
        {"vacio", "", {}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        EXPECT_EQ(Celdas(LeerPrimeraHoja(caso.bytes).celdas), caso.celdas);
    }
}

TEST(LecturaHojas, ZipQueNoEsUnLibro) {
    const HojaLeida hoja = LeerPrimeraHoja(QByteArray("PK\x03\x04 roto", 10));
    EXPECT_EQ(hoja.fallo, QStringLiteral("El fichero no es un libro de Excel (.xlsx) que se pueda "
                                         "leer."));
}
