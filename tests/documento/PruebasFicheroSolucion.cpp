// The .sol solution file: its bytes with and without the cost rows, the shape of its lines, and
// the name derived from the problem file.
#include "AyudasRejilla.h"
#include "CalculoProblema.h"
#include "FicheroSolucion.h"
#include "LecturaSolucion.h"
#include "TablaRejilla.h"

#include <gtest/gtest.h>

namespace {

// A grid of three periods as a calculation leaves it, with the total in column N + 1.
TextosCelda RejillaN3() {
    TextosCelda celdas = CeldasIniciales(3);
    PonerFila(celdas, FilaNB, {"50", "60", "70"});
    PonerFila(celdas, FilaD, {"60", "10", "", "5"}); // D stops at column N all the same
    PonerFila(celdas, FilaNN, {"", "50", "70"});
    PonerFila(celdas, FilaRPPL, {"", "50", "70"});
    PonerFila(celdas, FilaPPL, {"50", "70"});
    PonerFila(celdas, FilaCe, {"100", "100"});
    PonerFila(celdas, FilaCp, {"10"});
    PonerFila(celdas, FilaCTotal, {"110", "100", "", "210"});
    return celdas;
}

QList<QByteArray> Lineas(const QByteArray& fichero) {
    QList<QByteArray> lineas = fichero.split('\n');
    EXPECT_TRUE(lineas.last().isEmpty()) << "the file must end with CR LF";
    lineas.removeLast();
    for (QByteArray& linea : lineas) {
        EXPECT_TRUE(linea.endsWith('\r'));
        linea.chop(1);
    }
    return lineas;
}

} // namespace

TEST(TextoSolucion, DiezLineasConCostesYSieteSinEllos) {
    const QByteArray sinCostes = "\t1\t2\t3\r\n"
                                 "NB\t50\t60\t70\r\n"
                                 "D\t60\t10\t0\r\n"
                                 "RP\t0\t0\t0\t0\r\n"
                                 "NN\t0\t50\t70\r\n"
                                 "RPPL\t0\t50\t70\r\n"
                                 "PPL\t50\t70\t0\r\n";
    const QByteArray costes = "Ce\t100\t100\t0\r\n"
                              "Cp\t10\t0\t0\r\n"
                              "CTotal\t110\t100\t0\t210\r\n";
    EXPECT_EQ(TextoSolucion("3", true, RejillaN3()), sinCostes + costes);
    // Hidden cost rows are not written, though the grid still holds their texts.
    EXPECT_EQ(TextoSolucion("3", false, RejillaN3()), sinCostes);
}

TEST(TextoSolucion, CamposPorLineaYNingunTabuladorAlFinal) {
    struct Caso {
        const char* nombre;
        QString n;
        int periodos;
    };
    const Caso casos[] = {
        {"un_periodo", "1", 1}, {"tres_periodos", "3", 3}, {"noventa_y_nueve_periodos", "99", 99}};
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const QList<QByteArray> lineas = Lineas(TextoSolucion(caso.n, true, RejillaN3()));
        ASSERT_EQ(lineas.size(), 10);
        for (qsizetype i = 0; i < lineas.size(); ++i) {
            SCOPED_TRACE(i + 1);
            const int fila = int(i);
            const bool hastaNMas1 = fila == FilaRP || fila == FilaCTotal;
            EXPECT_EQ(lineas[i].count('\t'), hastaNMas1 ? caso.periodos + 1 : caso.periodos);
            EXPECT_FALSE(lineas[i].endsWith('\t'));
            EXPECT_FALSE(lineas[i].contains("\t\t")); // empty cells are written "0"
        }
        EXPECT_TRUE(lineas[0].startsWith('\t'));
        EXPECT_TRUE(lineas[0].endsWith('\t' + QByteArray::number(caso.periodos)));
    }
}

TEST(TextoSolucion, CasosDeLaCabeceraYLasEtiquetas) {
    TextosCelda celdas = CeldasIniciales(2);
    celdas.PonerCelda(1, 0, "otro"); // the header line numbers the periods itself
    celdas.PonerCelda(3, 0, "3");    // and writes nothing for column N + 1
    celdas.PonerCelda(0, FilaNB, "Necesidad");
    celdas.PonerCelda(1, FilaNB, "\u00E9");
    celdas.PonerCelda(0, FilaD, "");

    const QByteArray esperado = "\t1\t2\r\n"
                                "Necesidad\t\xE9\t0\r\n"
                                "0\t0\t0\r\n"
                                "RP\t0\t0\t0\r\n"
                                "NN\t0\t0\r\n"
                                "RPPL\t0\t0\r\n"
                                "PPL\t0\t0\r\n";
    EXPECT_EQ(TextoSolucion(" 2", false, celdas), esperado);
}

TEST(TextoSolucion, SinPeriodosLaCabeceraQuedaVacia) {
    const QByteArray esperado = "\r\n"
                                "NB\r\n"
                                "D\r\n"
                                "RP\t0\r\n"
                                "NN\r\n"
                                "RPPL\r\n"
                                "PPL\r\n"
                                "Ce\r\n"
                                "Cp\r\n"
                                "CTotal\t0\r\n";
    EXPECT_EQ(TextoSolucion("0", true, CeldasIniciales(8)), esperado);
}

TEST(TextoSolucion, NumeroDePeriodosNoEnteroFalla) {
    EXPECT_EQ(MensajeDe([] { TextoSolucion("", true, {}); }), "'''' is not a valid integer value");
    EXPECT_EQ(MensajeDe([] { TextoSolucion("3.", true, {}); }),
              "''3.'' is not a valid integer value");
}

TEST(NombreSolucion, CambiaLaExtensionDelNombreDelFichero) {
    struct Caso {
        const char* nombre;
        QString problema;
        QString solucion;
    };
    const Caso casos[] = {
        {"en_una_carpeta", "/home/ana/p1.lot", "/home/ana/p1.sol"},
        {"sin_carpeta", "p1.lot", "p1.sol"},
        {"solo_la_ultima_extension", "/tmp/plan.v2.lot", "/tmp/plan.v2.sol"},
        {"extension_en_mayusculas", "/tmp/PLAN.LOT", "/tmp/PLAN.sol"},
        {"punto_final", "/tmp/plan.", "/tmp/plan.sol"},
        {"nombre_que_empieza_por_punto", "/tmp/.lot", "/tmp/.sol"},
        {"sin_extension_la_anade", "/tmp/plan", "/tmp/plan.sol"},
        {"punto_solo_en_la_carpeta", "/tmp/datos.d/plan", "/tmp/datos.d/plan.sol"},
        {"espacios_y_acentos", "/tmp/mi problema ñ.lot", "/tmp/mi problema ñ.sol"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        EXPECT_EQ(NombreSolucion(caso.problema), caso.solucion);
    }
}

// Read back, a solution gives the grid's texts it was written from, "0" for an empty cell.
TEST(LeerTextoSolucion, DevuelveLasCeldasEscritas) {
    for (const bool conCostes : {true, false}) {
        SCOPED_TRACE(conCostes);
        const SolucionLeida leida =
            LeerTextoSolucion(TextoSolucion("3", conCostes, RejillaN3()), 3);
        ASSERT_EQ(leida.Rechazo, QString());
        EXPECT_EQ(leida.ConCostes, conCostes);
        EXPECT_EQ(Fila(leida.Celdas, FilaNN, 3), QStringList({"0", "50", "70"}));
        EXPECT_EQ(leida.Celdas.Celda(4, FilaCTotal), conCostes ? "210" : "");
    }
    // Line ends of a file that went through an editor.
    QByteArray lf = TextoSolucion("3", true, RejillaN3());
    lf.replace("\r\n", "\n");
    EXPECT_EQ(LeerTextoSolucion(lf, 3).Celdas.Celda(1, FilaPPL), "50");
}

TEST(LeerTextoSolucion, RechazaLoQueNoEsUnaSolucionDelHorizonte) {
    const QByteArray buena = TextoSolucion("3", true, RejillaN3());
    struct Caso {
        const char* nombre;
        QByteArray bytes;
        QString rechazo;
    };
    const Caso casos[] = {
        {"otro_horizonte", TextoSolucion("4", true, RejillaN3()),
         "es la solución de un problema de 4 períodos, no de 3"},
        {"una_linea", "\t1\t2\t3\r\n", "no es un fichero de solución: tiene 1 línea, no 7 ni 10"},
        {"cabecera", QByteArray(buena).replace("\t1\t2\t3", "1\t2\t3"),
         "no es un fichero de solución: la primera línea no numera los períodos"},
        {"etiqueta", QByteArray(buena).replace("RPPL", "RP PL"),
         "no es un fichero de solución: la línea 6 no es la fila «RPPL»"},
        {"campos", QByteArray(buena).replace("NN\t0\t50\t70", "NN\t0\t50"),
         "no es un fichero de solución: la fila «NN» tiene 2 valores, no 3"},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(LeerTextoSolucion(caso.bytes, 3).Rechazo, caso.rechazo) << caso.nombre;
}
