// An item is a value: the same item made from a problem file, from the window's texts and from
// numbers calculates the same; items solved at the same time do not reach into each other.
#include "ArticuloDeTextos.h"
#include "AyudasRejilla.h"
#include "CalculoArticulo.h"
#include "FicheroProblema.h"
#include "ProblemaEjemplo.h"
#include "SinAvisos.h"
#include "TablaRejilla.h"
#include "TextosExplicacion.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

namespace {

// Everything a calculation leaves that a user can see.
void ComprobarIguales(const ResultadoCalculo& a, const ResultadoCalculo& b) {
    EXPECT_EQ(a.Problema, b.Problema);
    EXPECT_EQ(a.Tabla, b.Tabla);
    EXPECT_EQ(a.Costes, b.Costes);
    EXPECT_EQ(a.Metodo, b.Metodo);
    EXPECT_EQ(LineasTabuladas(TextosExplicacion(a)), LineasTabuladas(TextosExplicacion(b)));
    ASSERT_EQ(a.Comparacion.Filas.size(), b.Comparacion.Filas.size());
    for (std::size_t f = 0; f < a.Comparacion.Filas.size(); ++f)
        EXPECT_EQ(a.Comparacion.Filas[f].CosteTotal, b.Comparacion.Filas[f].CosteTotal);
}

} // namespace

TEST(Articulo, DeFicheroDeTextosYDeNumerosEsElMismo) {
    for (const TipoLotificacion metodo : {LotificacionPOQ, LotificacionMejor}) {
        SCOPED_TRACE(metodo);
        Articulo numeros = ProblemaEjemplo(metodo);

        TextosProblema problema;
        problema.CE = "100";
        problema.CP = "1";
        problema.Metodo = metodo;
        TextosCelda celdas = CeldasIniciales(8);
        PonerFila(celdas, FilaNB, {"50", "60", "70", "60", "95", "75", "60", "55"});
        PonerFila(celdas, FilaD, {"60"});
        const std::optional<Articulo> textos =
            ArticuloDeTextos(TipoCalculo::Seleccionado, problema, celdas, SinAvisos);
        ASSERT_TRUE(textos);

        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath("ejemplo.lot");
        QFile fichero(ruta);
        ASSERT_TRUE(fichero.open(QIODevice::WriteOnly));
        fichero.write(TextoProblema(problema, celdas));
        fichero.close();
        const std::optional<Articulo> deFichero = ArticuloDeFichero(ruta, {}, SinAvisos);
        ASSERT_TRUE(deFichero);

        const ResultadoCalculo esperado = CalcularSeleccionada(numeros);
        ComprobarIguales(CalcularSeleccionada(*textos), esperado);
        ComprobarIguales(CalcularSeleccionada(*deFichero), esperado);
    }
}

// The command line's options replace what the file says, as they would in a fresh window.
TEST(Articulo, LasOpcionesDelFicheroSustituyenAlMetodoYAlRedondeo) {
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("ejemplo.lot");
    TextosProblema problema;
    problema.CE = "100";
    problema.CP = "1";
    TextosCelda celdas = CeldasIniciales(8);
    PonerFila(celdas, FilaNB, {"50", "60", "70", "60", "95", "75", "60", "55"});
    QFile fichero(ruta);
    ASSERT_TRUE(fichero.open(QIODevice::WriteOnly));
    fichero.write(TextoProblema(problema, celdas));
    fichero.close();
    const std::optional<Articulo> a = ArticuloDeFichero(ruta, {LotificacionEOQ, false}, SinAvisos);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->Metodo, LotificacionEOQ);
    EXPECT_FALSE(a->Redondear);
}

// Two items calculated at the same time on two threads, again and again, each as it is alone.
TEST(Articulo, DosArticulosALaVezNoSeMezclan) {
    Articulo otro = ProblemaEjemplo(LotificacionSilverMeal);
    otro.N = 5;
    otro.TS = 0;
    otro.CE = 37.5;
    otro.Entrada.NB[6] = otro.Entrada.NB[7] = otro.Entrada.NB[8] = 0;
    const Articulo uno = ProblemaEjemplo(LotificacionMejor);
    const ResultadoCalculo soloUno = CalcularSeleccionada(uno);
    const ResultadoCalculo soloOtro = CalcularSeleccionada(otro);

    std::vector<ResultadoCalculo> deUno, deOtro;
    std::thread hilo([&] {
        for (int i = 0; i < 50; ++i) deOtro.push_back(CalcularSeleccionada(otro));
    });
    for (int i = 0; i < 50; ++i) deUno.push_back(CalcularSeleccionada(uno));
    hilo.join();
    for (const ResultadoCalculo& r : deUno) ComprobarIguales(r, soloUno);
    for (const ResultadoCalculo& r : deOtro) ComprobarIguales(r, soloOtro);
}
