// Workbooks and CSV files read back by openpyxl and the csv module: every number the same double,
// every text the same text, and the look a spreadsheet user expects.
#include "Csv.h"
#include "Errores.h"
#include "EscrituraXlsx.h"
#include "Ficheros.h"
#include "GuardarLibro.h"
#include "HojaIndependiente.h"
#include "LocaleTemporal.h"
#include "Numeros.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cfloat>

namespace {

// Doubles that 15 digits do not give back, or that a format could mangle.
const double Dificiles[] = {
    0.1 + 0.2, 1.0 / 3, 2.5,    -1234567.891, 1e20, 1.5e-5, 123456789012345678.0,
    DBL_MAX,   DBL_MIN, 5e-324, -0.0,         0,    7,      0.125,
    99.995};

Hoja HojaDePrueba() {
    Hoja hoja;
    hoja.nombre = QStringLiteral("Números");
    hoja.columnasFijas = 1;
    FilaHoja& cabecera = hoja.Fila({Celda{}});
    for (int k = 1; k <= 3; ++k)
        cabecera.push_back(Celda::Numero(k, FormatoNumero::Identificador).Negrita());
    for (double valor : Dificiles)
        hoja.Fila({Celda::Texto(QStringLiteral("valor")), Celda::Numero(valor),
                   Celda::Numero(valor, FormatoNumero::Porcentaje)});
    hoja.Fila({Celda::Texto(QStringLiteral("Sí; «comillas» \"dobles\", coma\ny línea")), Celda{},
               Celda::Texto(QStringLiteral("=1+1"))});
    return hoja;
}

QString Ref(int columna, std::size_t fila) {
    return QStringLiteral("%1%2").arg(QChar(u'A' + columna)).arg(fila + 1);
}

} // namespace

TEST(EscrituraHojas, OpenpyxlLeeCadaCeldaComoSeEscribio) {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("libro.xlsx");
    Hoja segunda;
    segunda.nombre = QStringLiteral("números"); // repeated but for case
    segunda.filasFijas = 0;
    segunda.Fila({Celda::Texto(QStringLiteral("sola")).Negrita()});
    GuardarLibro(ruta, {{HojaDePrueba(), segunda}}, FormatoHoja::Xlsx);

    const std::vector<HojaExterna> hojas = LeerConOpenpyxl(ruta);
    ASSERT_EQ(hojas.size(), 2u);
    const HojaExterna& h = hojas[0];
    EXPECT_EQ(h.nombre, QStringLiteral("Números"));
    EXPECT_EQ(hojas[1].nombre, QStringLiteral("números (2)"));
    EXPECT_EQ(h.fijas, QStringLiteral("B2"));
    EXPECT_EQ(hojas[1].fijas, QString());
    EXPECT_FALSE(h.celdas.count("A1"));
    EXPECT_EQ(h.Numero("D1"), 3);
    EXPECT_EQ(h.En("D1").formato, QStringLiteral("0"));
    EXPECT_TRUE(h.En("D1").negrita);
    const Hoja escrita = HojaDePrueba();
    for (std::size_t f = 1; f < escrita.filas.size() - 1; ++f) {
        const double valor = escrita.filas[f][1].numero;
        for (int c : {1, 2}) {
            SCOPED_TRACE(Ref(c, f).toStdString());
            if (valor == DBL_MAX) {
                EXPECT_EQ(h.Texto(Ref(c, f)), FloatToStr(DBL_MAX)); // 16 digits would overflow
                continue;
            }
            EXPECT_EQ(h.Numero(Ref(c, f)), ValorEnXlsx(valor));
        }
    }
    EXPECT_EQ(h.Numero("B3"), 1.0 / 3); // 16 digits give it back
    EXPECT_EQ(h.Numero("B2"), 0.3);     // 0.1 + 0.2 needs 17
    // Up to two decimals shown, never a bare decimal point; percentages alike.
    EXPECT_EQ(h.En("B2").formato, QStringLiteral("#,##0.##")); // 0.30000000000000004
    EXPECT_EQ(h.En("B14").formato, QStringLiteral("#,##0"));   // 7
    EXPECT_EQ(h.En("C15").formato, QStringLiteral("0.##%"));   // 12.5 %
    EXPECT_EQ(h.En("C14").formato, QStringLiteral("0%"));      // 700 %
    EXPECT_EQ(h.Texto("A17"), escrita.filas.back()[0].texto);
    EXPECT_FALSE(h.celdas.count("B17"));
    EXPECT_EQ(h.Texto("C17"), QStringLiteral("=1+1")); // a text, never a formula
}

TEST(EscrituraHojas, NombresDeHojaValidosYDistintos) {
    Libro libro;
    for (const char* nombre : {"Registro: MRP/1", "", "'cita'",
                               "Un nombre de hoja mucho más largo que "
                               "treinta y un caracteres",
                               "Un nombre de hoja mucho más largo que otro"})
        libro.hojas.push_back({QString::fromUtf8(nombre), {}});
    EXPECT_EQ(NombresDeHojas(libro),
              QStringList({"Registro_ MRP_1", "Hoja", "cita", "Un nombre de hoja mucho más lar",
                           "Un nombre de hoja mucho más (2)"}));
}

// The locale's conventions, the byte-order mark and line ends; each value read back exactly.
TEST(EscrituraHojas, CsvConLasConvencionesDelLocale) {
    const struct {
        QLocale locale;
        QChar separador, decimal;
    } casos[] = {{QLocale(QLocale::Spanish, QLocale::Spain), u';', u','},
                 {QLocale(QLocale::English, QLocale::UnitedStates), u',', u'.'}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.locale.name().toStdString());
        LocaleTemporal locale(caso.locale);
        EXPECT_EQ(SeparadorCsv(), caso.separador);
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath("tabla.csv");
        const Hoja escrita = HojaDePrueba();
        GuardarLibro(ruta, {{escrita, Hoja{}}}, FormatoDeRuta(ruta));
        const QByteArray bytes = LeerFichero(ruta);
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        EXPECT_TRUE(bytes.startsWith(QByteArray("\xEF\xBB\xBF") + caso.separador.toLatin1() + "1"));
        EXPECT_TRUE(bytes.contains("\r\n"));
        const HojaExterna h = LeerConCsv(ruta, caso.separador, caso.decimal);
        for (std::size_t f = 1; f < escrita.filas.size() - 1; ++f) {
            SCOPED_TRACE(f);
            EXPECT_EQ(h.Numero(Ref(1, f)), escrita.filas[f][1].numero);
            EXPECT_EQ(h.Numero(Ref(2, f)), escrita.filas[f][2].numero);
        }
        EXPECT_EQ(h.Texto("A17"), escrita.filas.back()[0].texto);
    }
}

TEST(EscrituraHojas, FalloAlGuardarConservaElFicheroAnterior) {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("falta/libro.xlsx");
    EXPECT_THROW(GuardarLibro(ruta, {{HojaDePrueba()}}, FormatoHoja::Xlsx), EInOutError);
}

// A paragraph alone in its row runs over its neighbours; a number is as wide as it is shown.
TEST(EscrituraHojas, AnchosQueCaben) {
    Hoja hoja;
    hoja.Fila({Celda::Texto("Un párrafo largo que desborda sin ensanchar su columna")});
    hoja.Fila({Celda::Texto("NB"), Celda::Numero(1234567.5),
               Celda::Numero(0.125, FormatoNumero::Porcentaje)});
    EXPECT_EQ(AnchosColumnas(hoja), (std::vector<double>{6, 13, 7}));
}
