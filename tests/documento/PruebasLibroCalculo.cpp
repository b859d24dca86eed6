// The workbook of a calculation read back by openpyxl and the csv module: every figure of the
// record, the data and the comparison is the result's own double.
#include "CalculoArticulo.h"
#include "GuardarLibro.h"
#include "HojaIndependiente.h"
#include "LibroCalculo.h"
#include "ProblemaEjemplo.h"
#include "RegistroTextos.h"
#include "TablaRejilla.h"
#include "TextosLotificacion.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString Ref(int columna, int fila) {
    return QStringLiteral("%1%2").arg(QChar(u'A' + columna)).arg(fila);
}

// The worked example with a holding cost whose products are not short decimals.
ResultadoCalculo Calculo() {
    Articulo articulo = ProblemaEjemplo(LotificacionMejor);
    articulo.CP = 0.1;
    articulo.Entrada.RP[3] = 2.5;
    return CalcularSeleccionada(articulo);
}

// The record's rows as the grid orders them, each value compared through valor().
void CompararRegistro(const HojaExterna& hoja, const ResultadoCalculo& calculo,
                      double (*valor)(double)) {
    const int N = calculo.Problema.N;
    const auto filas = FilasDelRegistro(calculo.Tabla, calculo.Costes);
    for (int k = 1; k <= N; ++k) EXPECT_EQ(hoja.Numero(Ref(k, 1)), k);
    for (int r = 0; r < FilasRegistro; ++r) {
        SCOPED_TRACE(EtiquetasRegistro()[std::size_t(r)].toStdString());
        EXPECT_EQ(hoja.Texto(Ref(0, r + 2)), EtiquetasRegistro()[std::size_t(r)]);
        for (int k = 1; k <= N; ++k)
            EXPECT_EQ(hoja.Numero(Ref(k, r + 2)), valor((*filas[std::size_t(r)])[k])) << k;
    }
    EXPECT_EQ(hoja.Numero(Ref(N + 1, 3)), valor(calculo.Tabla.D[N + 1]));
    EXPECT_EQ(hoja.Numero(Ref(N + 1, 10)), valor(calculo.CosteTotal()));
    EXPECT_FALSE(hoja.celdas.count(Ref(N + 1, 2))); // nothing after the last period of NB
}

double Exacto(double valor) {
    return valor;
}

} // namespace

TEST(LibroCalculo, CadaCifraDelCalculoEnElLibro) {
    const ResultadoCalculo calculo = Calculo();
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("plan.xlsx");
    GuardarLibro(ruta, LibroCalculo(calculo), FormatoDeRuta(ruta));
    const std::vector<HojaExterna> hojas = LeerConOpenpyxl(ruta);
    ASSERT_EQ(hojas.size(), 4u);
    EXPECT_EQ(hojas[0].nombre, "Registro MRP");
    EXPECT_EQ(hojas[1].nombre, "Datos");
    EXPECT_EQ(hojas[2].nombre, "Comparación");
    EXPECT_EQ(hojas[3].nombre, "Explicación");

    const HojaExterna& registro = hojas[0];
    EXPECT_EQ(registro.fijas, "B2");
    CompararRegistro(registro, calculo, ValorEnXlsx);

    const HojaExterna& datos = hojas[1];
    std::map<QString, QString> filas;
    for (int f = 2; datos.celdas.count(Ref(0, f)); ++f) filas[datos.Texto(Ref(0, f))] = Ref(1, f);
    EXPECT_EQ(datos.Numero(filas.at("Coste de posesión")), 0.1);
    EXPECT_EQ(datos.Numero(filas.at("Stock inicial")), 60);
    EXPECT_EQ(datos.Texto(filas.at("Lotificación")),
              "Mejor de las anteriores: " + TextoLotificacion(calculo.Metodo));
    EXPECT_EQ(datos.Numero(filas.at("Coste total")), ValorEnXlsx(calculo.CosteTotal()));
    EXPECT_TRUE(datos.En(filas.at("Coste total")).negrita);

    const HojaExterna& comparacion = hojas[2];
    const auto& comparadas = calculo.Comparacion.Filas;
    ASSERT_FALSE(comparadas.empty());
    for (std::size_t i = 0; i < comparadas.size(); ++i) {
        const int f = int(i) + 2;
        SCOPED_TRACE(f);
        EXPECT_EQ(comparacion.Texto(Ref(0, f)), TextoLotificacion(comparadas[i].Metodo));
        EXPECT_EQ(comparacion.Numero(Ref(1, f)), ValorEnXlsx(comparadas[i].CosteTotal));
        EXPECT_EQ(comparacion.Numero(Ref(2, f)), ValorEnXlsx(comparadas[i].CosteEmision));
        EXPECT_EQ(comparacion.Numero(Ref(3, f)), ValorEnXlsx(comparadas[i].CostePosesion));
        EXPECT_EQ(comparacion.Numero(Ref(4, f)), comparadas[i].Pedidos);
        EXPECT_EQ(comparacion.Numero(Ref(5, f)), ValorEnXlsx(*comparadas[i].SobreOptimo));
        EXPECT_EQ(comparacion.En(Ref(0, f)).negrita, comparadas[i].MasBarato);
    }
    EXPECT_EQ(hojas[3].Texto("A1"), "Datos");
}

// CSV carries the record whole: the very doubles, 17 digits where 15 do not give them back.
TEST(LibroCalculo, RegistroExactoEnCsv) {
    const ResultadoCalculo calculo = Calculo();
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("plan.csv");
    GuardarLibro(ruta, LibroCalculo(calculo), FormatoDeRuta(ruta));
    CompararRegistro(LeerConCsv(ruta, u';', u','), calculo, Exacto);
}

// Before any calculation: the texts as typed, numbers where they read as numbers.
TEST(LibroCalculo, SinCalcularLosDatosTecleados) {
    TextosProblema problema;
    problema.NPeriodos = "3";
    problema.CE = "1,5";
    problema.CP = "x";
    TextosCelda celdas = CeldasIniciales(3);
    celdas.PonerCelda(1, FilaNB, "2,5");
    celdas.PonerCelda(2, FilaNB, "12a");
    celdas.PonerCelda(1, FilaD, "60");
    const Libro libro = LibroVentana(problema, celdas, std::nullopt);
    ASSERT_EQ(libro.hojas.size(), 2u);
    const Hoja& registro = libro.hojas[0];
    ASSERT_EQ(registro.filas.size(), 4u);
    EXPECT_EQ(registro.filas[1][1], Celda::Numero(2.5));
    EXPECT_EQ(registro.filas[1][2], Celda::Texto("12a"));
    EXPECT_EQ(registro.filas[1][3], Celda{});
    EXPECT_EQ(registro.filas[2][1], Celda::Numero(60));
    const Hoja& datos = libro.hojas[1];
    EXPECT_EQ(datos.filas[4][1], Celda::Numero(1.5));
    EXPECT_EQ(datos.filas[5][1], Celda::Texto("x"));
}
