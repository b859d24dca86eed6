// The shipped example, worked out by hand: a table (MESA) made of a top (TABLERO) and four legs
// (PATA), each leg of one wood bar (BARRA). Every item's .sol is what "Guardar solución" writes
// for it, and what explotar writes into its folder.
#include "CalculoArticulo.h"
#include "ExplosionProyecto.h"
#include "FicheroProyecto.h"
#include "FicheroSolucion.h"
#include "Ficheros.h"
#include "ResultadoArticuloProyecto.h"
#include "TextosProyecto.h"

#include <gtest/gtest.h>

namespace {

const QByteArray Cabecera = "\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\r\n";
const QByteArray RPVacia = "RP\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\r\n";

// Level 0, lot-for-lot, lead time 1: the master schedule 40 in 7 and 60 in 10 is received in
// those periods and released one period earlier, each release charged 100. Total 200.
const QByteArray SolucionMesa = Cabecera + "NB\t0\t0\t0\t0\t0\t0\t40\t0\t0\t60\r\n" +
                                "D\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\r\n" + RPVacia +
                                "NN\t0\t0\t0\t0\t0\t0\t40\t0\t0\t60\r\n"
                                "RPPL\t0\t0\t0\t0\t0\t0\t40\t0\t0\t60\r\n"
                                "PPL\t0\t0\t0\t0\t0\t40\t0\t0\t60\t0\r\n"
                                "Ce\t0\t0\t0\t0\t0\t100\t0\t0\t100\t0\r\n"
                                "Cp\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\r\n"
                                "CTotal\t0\t0\t0\t0\t0\t100\t0\t0\t100\t0\t200\r\n";

// Level 1, one per table: NB is MESA's releases, 40 in 6 and 60 in 9. EOQ with lead time 2:
// m = 100 / 10 = 10, Q = sqrt(2 × 250 × 10 / 0,5) = 100. Period 6 nets 40 and receives 100
// (released in 4, charged 250); 60 are left from 6 to 8, which nets period 9 to 0. Holding
// 0,5 × 60 in periods 6, 7 and 8: 90. Total 340.
const QByteArray SolucionTablero = Cabecera + "NB\t0\t0\t0\t0\t0\t40\t0\t0\t60\t0\r\n" +
                                   "D\t0\t0\t0\t0\t0\t0\t60\t60\t60\t0\r\n" + RPVacia +
                                   "NN\t0\t0\t0\t0\t0\t40\t0\t0\t0\t0\r\n"
                                   "RPPL\t0\t0\t0\t0\t0\t100\t0\t0\t0\t0\r\n"
                                   "PPL\t0\t0\t0\t100\t0\t0\t0\t0\t0\t0\r\n"
                                   "Ce\t0\t0\t0\t250\t0\t0\t0\t0\t0\t0\r\n"
                                   "Cp\t0\t0\t0\t0\t0\t30\t30\t30\t0\t0\r\n"
                                   "CTotal\t0\t0\t0\t250\t0\t30\t30\t30\t0\t0\t340\r\n";

// Level 1, four per table: NB is 160 in 6 and 240 in 9, with 50 in stock. POQ with lead time 1:
// m = 400 / 10 = 40, Q = sqrt(2 × 80 × 40 / 0,25) = 160, P = 160 / 40 = 4. Lot-for-lot releases
// 110 in 5 and 240 in 8; the window of 4 periods from 5 takes both: 350 released in 5. The 50 in
// stock are held through periods 1 to 5 (12,5 each) and 240 through 6 to 8 (60 each). Total
// 80 + 62,5 + 180 = 322,5.
const QByteArray SolucionPata = Cabecera + "NB\t0\t0\t0\t0\t0\t160\t0\t0\t240\t0\r\n" +
                                "D\t50\t50\t50\t50\t50\t50\t240\t240\t240\t0\r\n" + RPVacia +
                                "NN\t0\t0\t0\t0\t0\t110\t0\t0\t0\t0\r\n"
                                "RPPL\t0\t0\t0\t0\t0\t350\t0\t0\t0\t0\r\n"
                                "PPL\t0\t0\t0\t0\t350\t0\t0\t0\t0\t0\r\n"
                                "Ce\t0\t0\t0\t0\t80\t0\t0\t0\t0\t0\r\n"
                                "Cp\t12,5\t12,5\t12,5\t12,5\t12,5\t60\t60\t60\t0\t0\r\n"
                                "CTotal\t12,5\t12,5\t12,5\t12,5\t92,5\t60\t60\t60\t0\t0\t322,5\r\n";

// Level 2, one per leg, with 20 bars of spare parts in 8 and 100 due in 4: NB is 350 in 5 and 20
// in 8. Silver-Meal with lead time 3 from k = 5, where NN = 350 − 100 = 250: the cost per period
// is 40, 20, 13,3, (40 + 3 × 0,5 × 20) / 4 = 17,5, 14, 70 / 6 = 11,7 for j = 5 to 10, the last
// the least: 270 received in 5, released in 2. Holding 0,5 × 100 in 4 and 0,5 × 20 in 5 to 7.
// Total 40 + 50 + 30 = 120.
const QByteArray SolucionBarra = Cabecera + "NB\t0\t0\t0\t0\t350\t0\t0\t20\t0\t0\r\n" +
                                 "D\t0\t0\t0\t0\t100\t20\t20\t20\t0\t0\r\n" +
                                 "RP\t0\t0\t0\t100\t0\t0\t0\t0\t0\t0\t0\r\n"
                                 "NN\t0\t0\t0\t0\t250\t0\t0\t0\t0\t0\r\n"
                                 "RPPL\t0\t0\t0\t0\t270\t0\t0\t0\t0\t0\r\n"
                                 "PPL\t0\t270\t0\t0\t0\t0\t0\t0\t0\t0\r\n"
                                 "Ce\t0\t40\t0\t0\t0\t0\t0\t0\t0\t0\r\n"
                                 "Cp\t0\t0\t0\t50\t10\t10\t10\t0\t0\t0\r\n"
                                 "CTotal\t0\t40\t0\t50\t10\t10\t10\t0\t0\t0\t120\r\n";

class EjemploMesa : public testing::Test {
protected:
    const Proyecto proyecto = ProyectoEjemplo();
    const ResultadoProyecto resultado = Explotar(proyecto);
};

TEST_F(EjemploMesa, CadaArticuloComoLoEscribeGuardarSolucion) {
    const std::pair<int, QByteArray> esperadas[] = {
        {0, SolucionMesa}, {1, SolucionTablero}, {2, SolucionPata}, {3, SolucionBarra}};
    for (const auto& [indice, solucion] : esperadas) {
        SCOPED_TRACE(proyecto.Articulos[std::size_t(indice)].Codigo.toStdString());
        EXPECT_EQ(TextoSolucion(ResultadoDelArticulo(proyecto, resultado, indice), true), solucion);
    }
}

TEST_F(EjemploMesa, NivelesOrdenYCostesDelProyecto) {
    EXPECT_EQ(resultado.OrdenCalculo, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(TextoResumen(proyecto, resultado),
              "Art\xED"
              "culo\tNivel\tLotificaci\xF3n\tCoste de emisi\xF3n\tCoste de posesi\xF3n\t"
              "Coste total\r\n"
              "MESA\t0\tLote a lote\t200\t0\t200\r\n"
              "TABLERO\t1\tEOQ\t250\t90\t340\r\n"
              "PATA\t1\tPOQ\t80\t242,5\t322,5\r\n"
              "BARRA\t2\tM\xE9todo Silver-Meal\t40\t80\t120\r\n"
              "Total del proyecto\t\t\t570\t412,5\t982,5\r\n");
}

// A window's view of one item calculates it alone, with its explanation and comparison: the very
// numbers of the explosion.
TEST_F(EjemploMesa, CalcularElArticuloSoloDaLoMismo) {
    for (int i = 0; i < 4; ++i) {
        const ResultadoCalculo solo =
            CalcularSeleccionada(ArticuloPlanificado(proyecto, resultado, i));
        const ResultadoCalculo explotado = ResultadoDelArticulo(proyecto, resultado, i);
        EXPECT_EQ(solo.Problema, explotado.Problema);
        EXPECT_EQ(solo.Tabla, explotado.Tabla);
        EXPECT_EQ(solo.Costes, explotado.Costes);
        EXPECT_EQ(solo.Metodo, explotado.Metodo);
        EXPECT_TRUE(solo.Explicacion.Decisiones);
    }
}

// The file in the repository is the one carried inside the program, written as the program
// writes projects.
TEST_F(EjemploMesa, FicheroDelRepositorioComoLoEscribeElPrograma) {
    const QByteArray fichero = LeerFichero(QStringLiteral(QUELMAR_EJEMPLO_MESA));
    EXPECT_EQ(LeerTextoProyecto(fichero), proyecto);
    EXPECT_EQ(TextoProyecto(proyecto), fichero);
}

} // namespace
