// Sheets of exercises: the options read and refused, numbers that can be worked by hand, problem
// files that give the very solutions of the sheet, and the same seed drawing the same files and
// the same PDF text.
#include "ArticuloDeTextos.h"
#include "GeneradorEjercicios.h"
#include "HojaEjercicios.h"
#include "TextoPdf.h"
#include "TextosProblema.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

QByteArray Leer(const QString& ruta) {
    QFile fichero(ruta);
    return fichero.open(QIODevice::ReadOnly) ? fichero.readAll() : QByteArray();
}

bool Multiplo(double valor, int de) {
    return std::fmod(valor, de) == 0.0;
}

} // namespace

TEST(OpcionesEjercicios, SeLeenOSeRechazanConSuAviso) {
    struct Caso {
        const char* nombre;
        TextosEjercicios textos;
        bool valida;
    };
    const Caso casos[] = {
        {"por_defecto", {"", "", "", "", "", "", ""}, true},
        {"todas", {"12", "42", "2", "3-5", "0-2", "5-10", "3"}, true},
        {"un_solo_valor", {"1", "0", "", "7", "2", "5", "2"}, true},
        {"cantidad_cero", {"0", "", "", "", "", "", ""}, false},
        {"cantidad_excesiva", {"201", "", "", "", "", "", ""}, false},
        {"semilla_negativa", {"", "-1", "", "", "", "", ""}, false},
        {"metodo_optimo", {"", "", "7", "", "", "", ""}, false},
        {"periodos_al_reves", {"", "", "", "10-6", "", "", ""}, false},
        {"periodos_fuera", {"", "", "", "1-100", "", "", ""}, false},
        {"periodos_cero", {"", "", "", "0-5", "", "", ""}, false},
        {"plazo_de_todo_el_horizonte", {"", "", "", "3-8", "3-4", "", ""}, false},
        {"plazo_de_la_dificultad_3", {"", "", "", "3-8", "", "", "3"}, true},
        {"plazo_mal_escrito", {"", "", "", "", "1..2", "", ""}, false},
        {"stock_excesivo", {"", "", "", "", "", "0-1001", ""}, false},
        {"dificultad_4", {"", "", "", "", "", "", "4"}, false},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        QStringList avisos;
        const auto opciones =
            LeerOpcionesEjercicios(caso.textos, [&](const QString& a) { avisos << a; });
        EXPECT_EQ(opciones.has_value(), caso.valida);
        EXPECT_EQ(avisos.size(), caso.valida ? 0 : 1);
    }
    const auto todas = LeerOpcionesEjercicios({"12", "42", "2", "3-5", "0-2", "5-10", "3"}, {});
    ASSERT_TRUE(todas);
    EXPECT_EQ(*todas,
              (OpcionesEjercicios{12, 42u, 2, {3, 5}, Intervalo{0, 2}, Intervalo{5, 10}, 3}));
}

// Whole numbers, quantities of 5, an economic lot that is a whole number of mean demands, and never
// a negative stock, at every level and over many seeds.
TEST(GeneradorEjercicios, NumerosParaResolverAMano) {
    for (int dificultad = 1; dificultad <= 3; ++dificultad)
        for (std::uint32_t semilla = 0; semilla < 30; ++semilla) {
            OpcionesEjercicios opciones;
            opciones.Cantidad = 6;
            opciones.Dificultad = dificultad;
            for (const Ejercicio& e : GenerarEjercicios(opciones, semilla)) {
                SCOPED_TRACE(testing::Message() << "dificultad " << dificultad << ", semilla "
                                                << semilla << ", " << e.Fichero.toStdString());
                const Articulo& a = e.Solucion.Problema;
                EXPECT_EQ(a.Metodo, (e.Numero - 1) % 6);
                EXPECT_TRUE(a.N >= 6 && a.N <= 10);
                EXPECT_TRUE(a.TS >= 0 && a.TS <= (dificultad == 3 ? 3 : 2) && a.TS < a.N);
                EXPECT_TRUE(dificultad == 3 ? a.SS >= 5 && a.SS <= 20 && Multiplo(a.SS, 5)
                                            : a.SS == 0);
                EXPECT_EQ(std::round(a.CP * 10), a.CP * 10);
                EXPECT_EQ(dificultad == 3, std::round(a.CP) != a.CP);
                double suma = 0;
                for (int p = 1; p <= a.N; ++p) {
                    EXPECT_TRUE(Multiplo(a.Entrada.NB[p], 5));
                    EXPECT_TRUE(Multiplo(a.Entrada.RP[p], 10));
                    suma += a.Entrada.NB[p];
                    EXPECT_TRUE(dificultad > 1 || a.Entrada.RP[p] == 0);
                }
                EXPECT_TRUE(Multiplo(a.Entrada.D[1], 10));
                EXPECT_EQ(dificultad == 1, a.Entrada.D[1] == 0);
                const double media = suma / a.N;
                EXPECT_EQ(std::round(media), media);
                const double intervalo = std::sqrt(2 * a.CE * media / a.CP) / media;
                EXPECT_NEAR(intervalo, std::round(intervalo), 1e-9);
                for (int p = 1; p <= a.N + 1; ++p) EXPECT_GE(e.Solucion.Tabla.D[p], 0) << p;
            }
        }
}

TEST(HojaEjercicios, MismaSemillaMismosFicherosYTextos) {
    const QTemporaryDir raiz;
    const QString a = raiz.filePath("a"), b = raiz.filePath("b/hoja"), c = raiz.filePath("c");
    OpcionesEjercicios opciones;
    opciones.Cantidad = 5;
    opciones.Semilla = 42;
    opciones.Dificultad = 2;
    EXPECT_EQ(EscribirHoja(opciones, a).Semilla, 42u);
    EscribirHoja(opciones, b); // a folder that does not exist yet is made
    opciones.Semilla = 43;
    EscribirHoja(opciones, c);

    const QStringList ficheros = FicherosHoja(opciones);
    EXPECT_EQ(ficheros.first(), "ejercicio01.lot");
    EXPECT_EQ(QDir(a).entryList(QDir::Files, QDir::Name), ficheros);
    bool distintos = false;
    for (const QString& fichero : ficheros.filter(".lot")) {
        EXPECT_EQ(Leer(a + '/' + fichero), Leer(b + '/' + fichero)) << fichero.toStdString();
        distintos = distintos || Leer(a + '/' + fichero) != Leer(c + '/' + fichero);
    }
    EXPECT_TRUE(distintos) << "another seed draws other problems";
    for (const QString& pdf : {FicheroEnunciados, FicheroSoluciones}) {
        const QString texto = TextoPdf(a + '/' + pdf);
        EXPECT_TRUE(texto.contains("5 ejercicios, dificultad 2, semilla 42"));
        EXPECT_EQ(texto, TextoPdf(b + '/' + pdf)) << pdf.toStdString();
    }

    // The statements ask without answering; two of at most 10 periods share a page.
    const QString enunciados = TextoPdf(a + '/' + FicheroEnunciados);
    EXPECT_TRUE(TieneLinea(enunciados, {"Ejercicio", "3", "(ejercicio03.lot)"}));
    EXPECT_TRUE(enunciados.contains("con la lotificación «POQ»"));
    EXPECT_FALSE(enunciados.contains("Coste total"));
    EXPECT_EQ(PaginasPdf(a + '/' + FicheroEnunciados), 3);
    const QString soluciones = TextoPdf(a + '/' + FicheroSoluciones);
    EXPECT_TRUE(soluciones.contains("Coste total:"));
    EXPECT_TRUE(soluciones.contains("Explicación del cálculo"));
}

// Each problem file, opened as "resolver" opens it, is the item the sheet solved.
TEST(HojaEjercicios, CadaFicheroEsElProblemaResuelto) {
    const QTemporaryDir carpeta;
    OpcionesEjercicios opciones;
    opciones.Cantidad = 6;
    opciones.Semilla = 7;
    opciones.Dificultad = 3;
    EscribirHoja(opciones, carpeta.path());
    for (const Ejercicio& e : GenerarEjercicios(opciones, 7)) {
        const std::optional<Articulo> leido =
            ArticuloDeFichero(carpeta.filePath(e.Fichero), {}, [](const QString&) {});
        ASSERT_TRUE(leido) << e.Fichero.toStdString();
        EXPECT_EQ(*leido, e.Solucion.Problema) << e.Fichero.toStdString();
    }
}
