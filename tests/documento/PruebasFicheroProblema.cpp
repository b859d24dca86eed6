// The .lot problem file: the bytes written, every way a hand-edited file is read, the order of
// its conversion errors, and save-then-open round trips.
#include "AyudasRejilla.h"
#include "CalculoProblema.h"
#include "FicheroProblema.h"
#include "LongitudCampo.h"
#include "TablaRejilla.h"

#include <gtest/gtest.h>

namespace {

TextosProblema Problema(const QString& n, const QString& ts, const QString& ss, const QString& ce,
                        const QString& cp, std::int32_t metodo) {
    TextosProblema problema;
    problema.NPeriodos = n;
    problema.TS = ts;
    problema.SS = ss;
    problema.CE = ce;
    problema.CP = cp;
    problema.Metodo = metodo;
    return problema;
}

// The bytes after the six header lines.
QByteArray LineasDatos(const QByteArray& fichero) {
    qsizetype inicio = 0;
    for (int linea = 0; linea < 6; ++linea) inicio = fichero.indexOf("\r\n", inicio) + 2;
    return fichero.mid(inicio);
}

// A typical header: N = 3, method POQ.
const QByteArray CabeceraN3 = "N\xBA per\xEDodos = 3\r\n"
                              "Tiempo de suministro = 1\r\n"
                              "Stock de seguridad = 0\r\n"
                              "Coste de emisi\xF3n = 100\r\n"
                              "Coste de posesi\xF3n = 1\r\n"
                              "Tipo de lotificaci\xF3n = 2\r\n";

} // namespace

TEST(EscrituraProblema, EscribeCadaByteEnWindows1252ConCRLF) {
    const TextosProblema problema = Problema("3", "1", "", "100", "0,5", 2);
    TextosCelda celdas = CeldasIniciales(3);
    PonerFila(celdas, FilaNB, {"50", "", "2,5"});
    PonerFila(celdas, FilaD, {"60", "10"});
    celdas.PonerCelda(4, FilaNB, "fuera"); // column N + 1 is not stored
    celdas.PonerCelda(1, FilaNN, "7");     // nor are the computed rows

    const QByteArray esperado = "N\xBA per\xEDodos = 3\r\n"
                                "Tiempo de suministro = 1\r\n"
                                "Stock de seguridad = \r\n"
                                "Coste de emisi\xF3n = 100\r\n"
                                "Coste de posesi\xF3n = 0,5\r\n"
                                "Tipo de lotificaci\xF3n = 2\r\n"
                                "50\t0\t2,5\r\n"
                                "60\t10\t0\r\n"
                                "0\t0\t0\r\n";
    EXPECT_EQ(TextoProblema(problema, celdas), esperado);
}

TEST(EscrituraProblema, LineasDeDatosSegunElNumeroDePeriodos) {
    struct Caso {
        const char* nombre;
        QString n;
        QByteArray esperado;
    };
    const Caso casos[] = {
        {"un_periodo_sin_tabulador", "1", "5\r\n0\r\n0\r\n"},
        {"dos_periodos", "2", "5\t6\r\n0\t0\r\n0\t0\r\n"},
        {"blancos_alrededor_del_numero", " 2 ", "5\t6\r\n0\t0\r\n0\t0\r\n"},
        // With N = 0 the one field written is column 0, the row's label.
        {"cero_periodos_escribe_las_etiquetas", "0", "NB\r\nD\r\nRP\r\n"},
        {"periodos_negativos", "-2", "0\r\n0\r\n0\r\n"},
    };
    TextosCelda celdas = CeldasIniciales(8);
    PonerFila(celdas, FilaNB, {"5", "6"});
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const TextosProblema problema = Problema(caso.n, "1", "0", "0", "0", 0);
        EXPECT_EQ(LineasDatos(TextoProblema(problema, celdas)), caso.esperado);
    }
}

TEST(EscrituraProblema, SinMetodoEscribeMenosUno) {
    const QByteArray fichero = TextoProblema(Problema("1", "1", "0", "0", "0", -1), {});
    EXPECT_TRUE(fichero.contains("\r\nTipo de lotificaci\xF3n = -1\r\n"));
}

TEST(EscrituraProblema, NumeroDePeriodosNoEnteroFalla) {
    const TextosProblema problema = Problema("8,5", "1", "0", "0", "0", 0);
    EXPECT_EQ(MensajeDe([&] { TextoProblema(problema, {}); }),
              "''8,5'' is not a valid integer value");
}

TEST(LecturaProblema, LeeFicherosEscritosAMano) {
    struct Caso {
        const char* nombre;
        QByteArray bytes;
        QString nPeriodos, ts, ss, ce, cp;
        std::int32_t metodo;
        std::array<QStringList, 3> filas;
    };
    const QStringList vacias3 = {"", "", ""};
    const Caso casos[] = {
        {"fichero_normal",
         CabeceraN3 + "50\t0\t2,5\r\n60\t0\t0\r\n0\t0\t0\r\n",
         "3",
         "1",
         "0",
         "100",
         "1",
         2,
         {QStringList{"50", "", "2,5"}, {"60", "", ""}, vacias3}},
        {"sin_blanco_tras_el_igual_pierde_un_caracter",
         "N\xBA per\xEDodos = 1\r\nTS =1\r\nSS =\r\nCoste de emisi\xF3n =25\r\nCP = 1\r\nM = 0\r\n"
         "\r\n\r\n\r\n",
         "1",
         "",
         "",
         "5",
         "1",
         0,
         {QStringList{""}, {""}, {""}}},
        {"sin_igual_pierde_el_primer_caracter",
         "N1\r\nX2\r\n\r\nY3,5\r\nZ\r\nM0\r\n7\r\n8\r\n9\r\n",
         "1",
         "2",
         "",
         "3,5",
         "",
         0,
         {QStringList{"7"}, {"8"}, {"9"}}},
        {"solo_el_primer_igual_cuenta",
         "N = 1\r\nA = b = c\r\nS = 0\r\nE = 0\r\nP = 0\r\nM = 0\r\n",
         "1",
         "b = c",
         "0",
         "0",
         "0",
         0,
         {QStringList{""}, {""}, {""}}},
        {"valores_sin_recortar",
         "N = 1\r\nA =  1 \r\nS = 0\r\nE = 1,50\r\nP = 0\r\nM = 0\r\n",
         "1",
         " 1 ",
         "0",
         "1,50",
         "0",
         0,
         {QStringList{""}, {""}, {""}}},
        {"salto_de_linea_solo",
         "N = 2\nT = 1\nS = 0\nE = 9\nP = 8\nM = 3\n1\t2\n3\t4\n5\t6\n",
         "2",
         "1",
         "0",
         "9",
         "8",
         3,
         {QStringList{"1", "2"}, {"3", "4"}, {"5", "6"}}},
        {"retorno_de_carro_corta_la_linea_hasta_el_salto",
         "N = 2\rbasura\r\nT = 1\r\nS = 0\r\nE = 9\r\nP = 8\r\nM = 3\r\n1\t2\rx\ty\r\n\r\n\r\n",
         "2",
         "1",
         "0",
         "9",
         "8",
         3,
         {QStringList{"1", "2"}, {"", ""}, {"", ""}}},
        {"control_z_termina_el_texto",
         CabeceraN3 + "1\t2\t3\r\n4\t5\x1A\t6\r\n7\t8\t9\r\n",
         "3",
         "1",
         "0",
         "100",
         "1",
         2,
         {QStringList{"1", "2", "3"}, {"4", "", "5"}, vacias3}},
        {"lineas_que_faltan_quedan_vacias",
         CabeceraN3 + "1\t2\t3\r\n",
         "3",
         "1",
         "0",
         "100",
         "1",
         2,
         {QStringList{"1", "2", "3"}, vacias3, vacias3}},
        {"menos_tabuladores_vacian_las_columnas_hasta_n_menos_1",
         "N = 4\r\nT = 1\r\nS = 0\r\nE = 1\r\nP = 1\r\nM = 0\r\n1\t2\r\n9\r\n\t\r\n",
         "4",
         "1",
         "0",
         "1",
         "1",
         0,
         {QStringList{"1", "", "", "2"}, {"", "", "", "9"}, {"", "", "", ""}}},
        {"mas_campos_van_enteros_a_la_columna_n",
         "N = 2\r\nT = 1\r\nS = 0\r\nE = 1\r\nP = 1\r\nM = 0\r\n1\t2\t3\t0\r\n0\t0\t0\r\n\r\n",
         "2",
         "1",
         "0",
         "1",
         "1",
         0,
         {QStringList{"1", "2\t3\t0"}, {"", "0\t0"}, {"", ""}}},
        {"un_periodo_toma_la_linea_entera",
         "N = 1\r\nT = 1\r\nS = 0\r\nE = 1\r\nP = 1\r\nM = 0\r\n7\t8\r\n0\r\n 0\r\n",
         "1",
         "1",
         "0",
         "1",
         "1",
         0,
         {QStringList{"7\t8"}, {""}, {" 0"}}},
        {"solo_el_cero_exacto_vacia_la_celda",
         "N = 3\r\nT = 1\r\nS = 0\r\nE = 1\r\nP = 1\r\nM = 0\r\n00\t0,0\t0\r\n\r\n\r\n",
         "3",
         "1",
         "0",
         "1",
         "1",
         0,
         {QStringList{"00", "0,0", ""}, vacias3, vacias3}},
        {"cero_periodos_van_a_la_columna_1",
         "N = 0\r\nT = 1\r\nS = 0\r\nE = 1\r\nP = 1\r\nM = 0\r\n1\t2\r\n\r\n\r\n",
         "0",
         "1",
         "0",
         "1",
         "1",
         0,
         {QStringList{"1\t2"}, {""}, {""}}},
        {"periodos_negativos_van_a_la_columna_1",
         "N = -3\r\nT = 1\r\nS = 0\r\nE = 1\r\nP = 1\r\nM = 0\r\n1\t2\r\n\r\n\r\n",
         "-3",
         "1",
         "0",
         "1",
         "1",
         0,
         {QStringList{"1\t2"}, {""}, {""}}},
        {"mas_de_99_periodos_no_reparte_las_filas",
         "N = 2000000000\r\nT = 1\r\nS = 0\r\nE = 1\r\nP = 1\r\nM = 0\r\n1\t2\r\n\r\n\r\n",
         "2000000000",
         "1",
         "0",
         "1",
         "1",
         0,
         {}},
        {"lo_que_sigue_a_la_linea_9_se_ignora",
         CabeceraN3 + "1\r\n2\r\n3\r\n4\r\nx\r\n",
         "3",
         "1",
         "0",
         "100",
         "1",
         2,
         {QStringList{"", "", "1"}, {"", "", "2"}, {"", "", "3"}}},
        {"metodo_9_cuenta_como_6",
         "N = 1\r\nT = 1\r\nS = 0\r\nE = 1\r\nP = 1\r\nM = 9\r\n",
         "1",
         "1",
         "0",
         "1",
         "1",
         6,
         {QStringList{""}, {""}, {""}}},
        {"metodo_menos_4_cuenta_como_menos_1",
         "N = 1\r\nT = 1\r\nS = 0\r\nE = 1\r\nP = 1\r\nM = -4\r\n",
         "1",
         "1",
         "0",
         "1",
         "1",
         -1,
         {QStringList{""}, {""}, {""}}},
        {"metodo_con_blancos",
         "N = 1\r\nT = 1\r\nS = 0\r\nE = 1\r\nP = 1\r\nM =  5 \r\n",
         "1",
         "1",
         "0",
         "1",
         "1",
         5,
         {QStringList{""}, {""}, {""}}},
        {"bytes_en_windows_1252",
         "N = 1\r\nT = 1\r\nS = 0\r\nE = 1\x80\r\nP = \xF3\r\nM = 0\r\n\xE9\r\n\r\n\r\n",
         "1",
         "1",
         "0",
         "1\u20AC",
         "\u00F3",
         0,
         {QStringList{"\u00E9"}, {""}, {""}}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const ProblemaLeido leido = LeerTextoProblema(caso.bytes);
        EXPECT_EQ(leido.NPeriodos, caso.nPeriodos);
        EXPECT_EQ(leido.TS, caso.ts);
        EXPECT_EQ(leido.SS, caso.ss);
        EXPECT_EQ(leido.CE, caso.ce);
        EXPECT_EQ(leido.CP, caso.cp);
        EXPECT_EQ(leido.Metodo, caso.metodo);
        EXPECT_EQ(leido.N, caso.nPeriodos.trimmed().toInt());
        for (std::size_t fila = 0; fila < 3; ++fila) EXPECT_EQ(leido.filas[fila], caso.filas[fila]);
    }
}

TEST(LecturaProblema, ErroresDeConversionEnSuOrden) {
    struct Caso {
        const char* nombre;
        QByteArray bytes;
        std::string mensaje;
    };
    const Caso casos[] = {
        {"metodo_no_entero", "N = 3\r\nT = 1\r\nS = 0\r\nE = 1\r\nP = 1\r\nM = 2,0\r\n",
         "''2,0'' is not a valid integer value"},
        {"periodos_no_enteros", "N = tres\r\nT = 1\r\nS = 0\r\nE = 1\r\nP = 1\r\nM = 2\r\n",
         "''tres'' is not a valid integer value"},
        {"el_metodo_se_comprueba_antes_que_los_periodos",
         "N = tres\r\nT = 1\r\nS = 0\r\nE = 1\r\nP = 1\r\nM = x\r\n",
         "''x'' is not a valid integer value"},
        {"fichero_corto_sin_linea_6", "N = 3\r\nT = 1\r\n", "'''' is not a valid integer value"},
        {"fichero_vacio", "", "'''' is not a valid integer value"},
        {"periodos_vacios", "N = \r\nT = 1\r\nS = 0\r\nE = 1\r\nP = 1\r\nM = 0\r\n",
         "'''' is not a valid integer value"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        EXPECT_EQ(MensajeDe([&] { LeerTextoProblema(caso.bytes); }), caso.mensaje);
    }
}

// The fields take at most LongitudMaximaCampo characters, as the window's do; the method is no
// field and is read whole.
TEST(LecturaProblema, CortaLosCamposComoLaVentana) {
    const QByteArray largo(40000, '0');
    const ProblemaLeido leido =
        LeerTextoProblema("N = " + largo + "3\r\nT = 1\r\nS = 0\r\nE = " + largo +
                          "\r\nP = 1\r\nM = " + largo + "3\r\n");
    EXPECT_EQ(leido.NPeriodos, QString(LongitudMaximaCampo, u'0'));
    EXPECT_EQ(leido.N, 0);
    EXPECT_EQ(leido.CE.size(), LongitudMaximaCampo);
    EXPECT_EQ(leido.Metodo, 3);
}

TEST(AplicarProblema, CambiaSoloLosCamposElMetodoYLasFilasDeEntrada) {
    TextosProblema problema = Problema("8", "1", "0", "0", "0", 0);
    problema.VerCostes = false;
    problema.Redondear = false;
    TextosCelda celdas = CeldasIniciales(8);
    PonerFila(celdas, FilaNB, {"1", "2", "3", "4"});
    PonerFila(celdas, FilaNN, {"viejo"});
    celdas.PonerCelda(4, FilaRP, "columna N+1");

    const ProblemaLeido leido =
        LeerTextoProblema("N = 3\r\nT = 2\r\nS = 5\r\nE = 1,5\r\nP = 0,2\r\nM = -1\r\n"
                          "9\t0\t7\r\n60\r\n\t\t1\r\n");
    AplicarProblema(leido, problema, celdas);

    TextosProblema esperado = Problema("3", "2", "5", "1,5", "0,2", -1);
    esperado.VerCostes = false;
    esperado.Redondear = false;
    EXPECT_EQ(problema, esperado);
    EXPECT_EQ(Fila(celdas, FilaNB, 4), (QStringList{"9", "", "7", "4"}));
    EXPECT_EQ(Fila(celdas, FilaD, 3), (QStringList{"", "", "60"}));
    EXPECT_EQ(Fila(celdas, FilaRP, 4), (QStringList{"", "", "1", "columna N+1"}));
    EXPECT_EQ(celdas.Celda(1, FilaNN), "viejo");
    EXPECT_EQ(celdas.Celda(0, FilaNB), "NB");
    EXPECT_EQ(celdas.Celda(8, 0), "8"); // the period numbers are the window's business
}

TEST(IdaYVueltaProblema, GuardarYAbrirDevuelveLoGuardadoSalvoElCero) {
    struct Caso {
        const char* nombre;
        TextosProblema problema;
        std::array<QStringList, 3> filas;
    };
    const Caso casos[] = {
        {"ejemplo_con_comas_decimales",
         Problema("8", "1", "0", "100,5", "0,25", 6),
         {QStringList{"50", "60", "70", "60", "95", "75", "60", "55"},
          {"60", "", "", "", "", "", "", ""},
          {"", "", "1,5", "", "", "", "", "-3"}}},
        {"un_periodo_sin_metodo",
         Problema("1", "0", "2", "", "x", -1),
         {QStringList{"7"}, {""}, {"texto libre"}}},
        {"caracteres_de_windows_1252",
         Problema("2", "1", "0", "5\u20AC", "\u00F1", 3),
         {QStringList{"\u00E9", "\u00BA"}, {"1e5", " 0 "}, {"", ""}}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const int n = caso.problema.NPeriodos.toInt();
        TextosCelda celdas = CeldasIniciales(n);
        for (int fila = 0; fila < 3; ++fila) PonerFila(celdas, FilaNB + fila, caso.filas[fila]);

        TextosProblema abierto;
        TextosCelda celdasAbiertas = CeldasIniciales(8);
        AplicarProblema(LeerTextoProblema(TextoProblema(caso.problema, celdas)), abierto,
                        celdasAbiertas);

        EXPECT_EQ(abierto, caso.problema);
        for (int fila = 0; fila < 3; ++fila)
            EXPECT_EQ(Fila(celdasAbiertas, FilaNB + fila, n), caso.filas[fila]);
    }
}

TEST(IdaYVueltaProblema, UnCeroTecleadoVuelveVacio) {
    TextosCelda celdas = CeldasIniciales(2);
    PonerFila(celdas, FilaNB, {"0", "5"});
    PonerFila(celdas, FilaD, {"0"});
    const TextosProblema problema = Problema("2", "1", "0", "0", "0", 0);

    TextosProblema abierto;
    TextosCelda celdasAbiertas;
    AplicarProblema(LeerTextoProblema(TextoProblema(problema, celdas)), abierto, celdasAbiertas);
    EXPECT_EQ(Fila(celdasAbiertas, FilaNB, 2), (QStringList{"", "5"}));
    EXPECT_EQ(Fila(celdasAbiertas, FilaD, 2), (QStringList{"", ""}));
}
