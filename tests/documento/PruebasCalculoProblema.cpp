// The calculation commands seen through texts: the grid after a calculation, the warnings and
// their order, and the grid left untouched by every failure.
#include "AyudasRejilla.h"
#include "CalculoProblema.h"
#include "EjemploRejilla.h"
#include "TablaRejilla.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the warnings in the order they are shown.
struct Avisos {
    std::vector<QString> textos;
    Avisar funcion() {
        return [this](const QString& texto) { textos.push_back(texto); };
    }
};

// The worked example: eight periods, lead time 1, initial stock 60, ordering cost 100,
// holding cost 1.
TextosProblema TextosEjemplo(std::int32_t metodo) {
    TextosProblema problema;
    problema.NPeriodos = "8";
    problema.TS = "1";
    problema.SS = "0";
    problema.CE = "100";
    problema.CP = "1";
    problema.Metodo = metodo;
    return problema;
}

TextosCelda CeldasEjemplo() {
    TextosCelda celdas = CeldasIniciales(8);
    PonerFila(celdas, FilaNB, {"50", "60", "70", "60", "95", "75", "60", "55"});
    PonerFila(celdas, FilaD, {"60"});
    return celdas;
}

// Rows 1 to 9, columns 1 to 9, as the grid must show them.
using Rejilla = TextosRejilla;

void ComprobarRejilla(const TextosCelda& celdas, const Rejilla& esperada) {
    for (int fila = FilaNB; fila <= FilaCTotal; ++fila) {
        SCOPED_TRACE(celdas.Celda(0, fila).toStdString());
        EXPECT_EQ(Fila(celdas, fila, 9), esperada[std::size_t(fila - 1)]);
    }
}

const QStringList& NBEjemplo = RejillaLoteALoteEjemplo[FilaNB - 1];
const QStringList Vacia = {"", "", "", "", "", "", "", "", ""};

const Rejilla& LoteALoteEjemplo = RejillaLoteALoteEjemplo;
const Rejilla& POQEjemplo = RejillaPOQEjemplo;

} // namespace

TEST(CalculoSeleccionado, MetodosSobreElEjemplo) {
    struct Caso {
        const char* nombre;
        std::int32_t metodo;
        std::int32_t metodoFinal;
        const Rejilla* rejilla;
    };
    const Caso casos[] = {
        {"lote_a_lote", LotificacionLoteALote, LotificacionLoteALote, &LoteALoteEjemplo},
        {"poq", LotificacionPOQ, LotificacionPOQ, &POQEjemplo},
        // Equal totals of the later methods do not displace POQ, and the radio group then
        // shows the winner.
        {"mejor_de_las_anteriores_elige_poq", LotificacionMejor, LotificacionPOQ, &POQEjemplo},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        TextosProblema problema = TextosEjemplo(caso.metodo);
        TextosCelda celdas = CeldasEjemplo();
        Avisos avisos;
        EXPECT_TRUE(ComandoCalcular(problema, celdas, avisos.funcion()));
        EXPECT_TRUE(avisos.textos.empty());
        ComprobarRejilla(celdas, *caso.rejilla);
        EXPECT_EQ(problema.Metodo, caso.metodoFinal);
    }
}

TEST(CalculoSeleccionado, SoloCambiaLasFilasUnoANueveHastaNMasUno) {
    TextosProblema problema = TextosEjemplo(LotificacionLoteALote);
    problema.VerCostes = false; // the hidden cost rows are filled all the same
    TextosCelda celdas = CeldasEjemplo();
    // Not read: D after period 1, the results and column N + 1 of the inputs.
    celdas.PonerCelda(2, FilaD, "basura");
    celdas.PonerCelda(3, FilaNN, "basura");
    celdas.PonerCelda(4, FilaPPL, "basura");
    celdas.PonerCelda(5, FilaCe, "basura");
    celdas.PonerCelda(9, FilaNB, "7");
    celdas.PonerCelda(10, FilaNN, "columna 10");
    celdas.PonerCelda(1, 10, "fila 10");

    Avisos avisos;
    EXPECT_TRUE(ComandoCalcular(problema, celdas, avisos.funcion()));
    ComprobarRejilla(celdas, LoteALoteEjemplo);
    EXPECT_EQ(celdas.Celda(10, FilaNN), "columna 10");
    EXPECT_EQ(celdas.Celda(1, 10), "fila 10");
    EXPECT_EQ(celdas.Celda(0, FilaCTotal), "CTotal");
    EXPECT_EQ(celdas.Celda(8, 0), "8");
}

TEST(CalculoSeleccionado, LosNumerosSeReescribenEnElFormatoDeLaRejilla) {
    TextosProblema problema = TextosEjemplo(LotificacionLoteALote);
    problema.NPeriodos = "3";
    problema.TS = "0";
    problema.CE = "0";
    problema.CP = "0";
    TextosCelda celdas = CeldasIniciales(3);
    PonerFila(celdas, FilaNB, {"2,50", "0", " 1e1 "});
    PonerFila(celdas, FilaRP, {"0,0", "-0"});

    Avisos avisos;
    EXPECT_TRUE(ComandoCalcular(problema, celdas, avisos.funcion()));
    EXPECT_EQ(Fila(celdas, FilaNB, 4), (QStringList{"2,5", "", "10", ""}));
    EXPECT_EQ(Fila(celdas, FilaRP, 4), (QStringList{"", "", "", ""}));
    EXPECT_EQ(Fila(celdas, FilaPPL, 4), (QStringList{"2,5", "", "10", ""}));
    // Lot-for-lot with both costs "0" is allowed and costs nothing.
    EXPECT_EQ(Fila(celdas, FilaCTotal, 4), (QStringList{"", "", "", ""}));
}

TEST(CalculoSeleccionado, SinMetodoMuestraLasEntradasYResultadosVacios) {
    TextosProblema problema = TextosEjemplo(-1);
    TextosCelda celdas = CeldasEjemplo();
    Avisos avisos;
    EXPECT_TRUE(ComandoCalcular(problema, celdas, avisos.funcion()));
    EXPECT_EQ(problema.Metodo, -1);
    EXPECT_EQ(Fila(celdas, FilaNB, 9), NBEjemplo);
    EXPECT_EQ(Fila(celdas, FilaD, 9), (QStringList{"60", "", "", "", "", "", "", "", ""}));
    for (int fila = FilaNN; fila <= FilaCTotal; ++fila) EXPECT_EQ(Fila(celdas, fila, 9), Vacia);
}

TEST(CalculoSeleccionado, AvisosYSuOrden) {
    struct Caso {
        const char* nombre;
        std::int32_t metodo;
        QString n, ts, ce, cp;
        QStringList nb;
        std::vector<QString> avisos;
    };
    const QStringList conNB = {"10", "20"};
    const Caso casos[] = {
        {"eoq_con_coste_de_emision_0", LotificacionEOQ, "2", "0", "0", "1", conNB, {AvisoCostes}},
        {"eoq_con_coste_de_posesion_0", LotificacionEOQ, "2", "0", "1", "0", conNB, {AvisoCostes}},
        {"un_solo_aviso_con_los_dos_costes_0",
         LotificacionPOQ,
         "2",
         "0",
         "0",
         "0",
         conNB,
         {AvisoCostes}},
        {"poq_sin_necesidad_bruta_y_coste_0_da_los_dos_avisos",
         LotificacionPOQ,
         "2",
         "0",
         "1",
         "0",
         {},
         {AvisoCostes, AvisoNecesidadBruta}},
        {"sin_metodo_tambien_comprueba_los_costes", -1, "2", "0", "0", "1", conNB, {AvisoCostes}},
        {"lote_a_lote_sin_necesidad_bruta",
         LotificacionLoteALote,
         "2",
         "0",
         "1",
         "1",
         {},
         {AvisoNecesidadBruta}},
        {"necesidades_que_se_anulan",
         LotificacionLoteALote,
         "2",
         "0",
         "1",
         "1",
         {"5", "-5"},
         {AvisoNecesidadBruta}},
        {"necesidad_despues_del_periodo_n",
         LotificacionLoteALote,
         "1",
         "0",
         "1",
         "1",
         {"", "20"},
         {AvisoNecesidadBruta}},
        {"cero_periodos", LotificacionLoteALote, "0", "0", "1", "1", conNB, {AvisoNecesidadBruta}},
        {"cien_periodos", LotificacionLoteALote, "100", "0", "1", "1", conNB, {AvisoPeriodos}},
        {"tiempo_de_suministro_negativo",
         LotificacionLoteALote,
         "2",
         "-1",
         "1",
         "1",
         conNB,
         {AvisoTiempoSuministro}},
        {"el_coste_se_compara_como_texto",
         LotificacionSilverMeal,
         "2",
         "0",
         " 0",
         "1",
         {"0,5"},
         {}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        TextosProblema problema = TextosEjemplo(caso.metodo);
        problema.NPeriodos = caso.n;
        problema.TS = caso.ts;
        problema.CE = caso.ce;
        problema.CP = caso.cp;
        TextosCelda celdas = CeldasIniciales(8);
        PonerFila(celdas, FilaNB, caso.nb);
        const TextosProblema problemaAntes = problema;
        const TextosCelda celdasAntes = celdas;

        Avisos avisos;
        const bool calculado = ComandoCalcular(problema, celdas, avisos.funcion()).has_value();
        EXPECT_EQ(avisos.textos, caso.avisos);
        EXPECT_EQ(calculado, caso.avisos.empty());
        if (!calculado) {
            EXPECT_EQ(celdas, celdasAntes);
            EXPECT_EQ(problema, problemaAntes);
        }
    }
}

TEST(CalculoSeleccionado, UnErrorNoCambiaNiLaRejillaNiElMetodo) {
    struct Caso {
        const char* nombre;
        std::int32_t metodo;
        QString campo; // "TS", "SS", "CE", "CP" or "RP"
        QString texto;
        std::string mensaje;
    };
    const Caso casos[] = {
        {"eoq_con_posesion_0_coma_0_pasa_el_texto_y_divide_por_0", LotificacionEOQ, "CP", "0,0",
         "Floating point division by zero"},
        {"mejor_con_posesion_0_coma_0", LotificacionMejor, "CP", "0,0",
         "Floating point division by zero"},
        {"letra_en_una_celda_rp", LotificacionLoteALote, "RP", "x",
         "'x' is not a valid floating point value"},
        {"tiempo_de_suministro_con_decimales", LotificacionLoteALote, "TS", "2,5",
         "''2,5'' is not a valid integer value"},
        {"stock_de_seguridad_con_decimales", LotificacionLoteALote, "SS", "2,5",
         "''2,5'' is not a valid integer value"},
        {"coste_de_emision_vacio", LotificacionEOQ, "CE", "",
         "'' is not a valid floating point value"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        TextosProblema problema = TextosEjemplo(caso.metodo);
        TextosCelda celdas = CeldasEjemplo();
        PonerFila(celdas, FilaNN, {"resultado anterior"});
        if (caso.campo == "TS") problema.TS = caso.texto;
        if (caso.campo == "SS") problema.SS = caso.texto;
        if (caso.campo == "CE") problema.CE = caso.texto;
        if (caso.campo == "CP") problema.CP = caso.texto;
        if (caso.campo == "RP") celdas.PonerCelda(4, FilaRP, caso.texto);
        const TextosProblema problemaAntes = problema;
        const TextosCelda celdasAntes = celdas;

        Avisos avisos;
        EXPECT_EQ(MensajeDe([&] { ComandoCalcular(problema, celdas, avisos.funcion()); }),
                  caso.mensaje);
        EXPECT_TRUE(avisos.textos.empty());
        EXPECT_EQ(celdas, celdasAntes);
        EXPECT_EQ(problema, problemaAntes);
    }
}

TEST(CalculoSeleccionado, UnSegundoCalculoUsaElMetodoElegido) {
    TextosProblema problema = TextosEjemplo(LotificacionMejor);
    TextosCelda celdas = CeldasEjemplo();
    Avisos avisos;
    ASSERT_TRUE(ComandoCalcular(problema, celdas, avisos.funcion()));
    ASSERT_EQ(problema.Metodo, LotificacionPOQ);
    // The grid now holds the POQ plan; calculating again reads only the inputs of it.
    EXPECT_TRUE(ComandoCalcular(problema, celdas, avisos.funcion()));
    ComprobarRejilla(celdas, POQEjemplo);
    EXPECT_EQ(problema.Metodo, LotificacionPOQ);
}

TEST(CalculoManual, ProyectaLosLanzamientosTecleados) {
    struct Caso {
        const char* nombre;
        QStringList ppl;
        QString ce, cp;
        const Rejilla* rejilla;
    };
    const Rejilla sinLanzamientos = {
        NBEjemplo,
        {"60", "10", "-50", "-120", "-180", "-275", "-350", "-410", "-465"},
        Vacia,
        {"", "50", "120", "180", "275", "350", "410", "465", ""},
        Vacia,
        Vacia,
        Vacia,
        {"10", "-50", "-120", "-180", "-275", "-350", "-410", "-465", ""},
        {"10", "-50", "-120", "-180", "-275", "-350", "-410", "-465", "-1840"},
    };
    Rejilla sinLanzamientosNiCostes = sinLanzamientos;
    sinLanzamientosNiCostes[FilaCp - 1] = Vacia;
    sinLanzamientosNiCostes[FilaCTotal - 1] = Vacia;
    const Caso casos[] = {
        {"fila_ppl_vacia", {}, "100", "1", &sinLanzamientos},
        {"costes_0_sin_aviso", {}, "0", "0", &sinLanzamientosNiCostes},
        {"lanzamientos_del_poq",
         {"120", "0", "155", "", "135", "", "55", "0"},
         "100",
         "1",
         &POQEjemplo},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        // The selected method plays no part, nor do costs of "0".
        TextosProblema problema = TextosEjemplo(LotificacionEOQ);
        problema.CE = caso.ce;
        problema.CP = caso.cp;
        TextosCelda celdas = CeldasEjemplo();
        PonerFila(celdas, FilaPPL, caso.ppl);
        celdas.PonerCelda(9, FilaPPL, "99"); // beyond period N: not read
        Avisos avisos;
        EXPECT_TRUE(ComandoCalculoManual(problema, celdas, avisos.funcion()));
        EXPECT_TRUE(avisos.textos.empty());
        ComprobarRejilla(celdas, *caso.rejilla);
    }
}

TEST(CalculoManual, AvisosYErrores) {
    struct Caso {
        const char* nombre;
        QString n, ts, rp;
        QStringList nb;
        std::vector<QString> avisos;
        std::string mensaje;
    };
    const QStringList conNB = {"10", "20"};
    const Caso casos[] = {
        {"sin_necesidad_bruta", "2", "1", "", {}, {AvisoNecesidadBruta}, "(ningún error)"},
        {"cien_periodos", "100", "1", "", conNB, {AvisoPeriodos}, "(ningún error)"},
        {"tiempo_de_suministro_negativo",
         "2",
         "-1",
         "",
         conNB,
         {AvisoTiempoSuministro},
         "(ningún error)"},
        {"letra_en_una_celda_rp",
         "2",
         "1",
         "x",
         conNB,
         {},
         "'x' is not a valid floating point value"},
        {"periodos_no_enteros", "dos", "1", "", conNB, {}, "''dos'' is not a valid integer value"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        TextosProblema problema = TextosEjemplo(LotificacionLoteALote);
        problema.NPeriodos = caso.n;
        problema.TS = caso.ts;
        TextosCelda celdas = CeldasIniciales(8);
        PonerFila(celdas, FilaNB, caso.nb);
        celdas.PonerCelda(2, FilaRP, caso.rp);
        const TextosCelda celdasAntes = celdas;

        Avisos avisos;
        EXPECT_EQ(MensajeDe([&] {
                      EXPECT_FALSE(ComandoCalculoManual(problema, celdas, avisos.funcion()));
                  }),
                  caso.mensaje);
        EXPECT_EQ(avisos.textos, caso.avisos);
        EXPECT_EQ(celdas, celdasAntes);
    }
}

TEST(CeldasIniciales, EtiquetasYNumerosDePeriodo) {
    const TextosCelda celdas = CeldasIniciales(8);
    QStringList etiquetas;
    for (int fila = 0; fila <= 10; ++fila) etiquetas.append(celdas.Celda(0, fila));
    EXPECT_EQ(etiquetas,
              (QStringList{"", "NB", "D", "RP", "NN", "RPPL", "PPL", "Ce", "Cp", "CTotal", ""}));
    QStringList numeros;
    for (int columna = 0; columna <= 9; ++columna) numeros.append(celdas.Celda(columna, 0));
    EXPECT_EQ(numeros, (QStringList{"", "1", "2", "3", "4", "5", "6", "7", "8", ""}));
    for (int fila = 1; fila <= 9; ++fila) EXPECT_EQ(Fila(celdas, fila, 9), Vacia);
}

// What outlives a calculation: the problem as numbers, the plan, its costs and the method used.
TEST(ResultadoCalculo, GuardaLosRegistrosDelPlanMostrado) {
    TextosProblema problema = TextosEjemplo(LotificacionMejor);
    TextosCelda celdas = CeldasEjemplo();
    Avisos avisos;
    const std::optional<ResultadoCalculo> mejor =
        ComandoCalcular(problema, celdas, avisos.funcion());
    ASSERT_TRUE(mejor);
    EXPECT_EQ(mejor->Metodo, LotificacionPOQ);
    EXPECT_EQ(mejor->Problema.Metodo, LotificacionMejor);
    EXPECT_EQ(mejor->Problema.N, 8);
    EXPECT_EQ(mejor->Problema.TS, 1);
    EXPECT_EQ(mejor->Problema.CE, 100);
    EXPECT_EQ(mejor->Problema.Entrada.D[1], 60);
    EXPECT_EQ(mejor->Problema.Entrada.PPL, TFilaMRP{});
    EXPECT_EQ(mejor->CosteTotal(), 635);
    EXPECT_EQ(mejor->Tabla.PPL[3], 155);

    TextosCelda manuales = CeldasEjemplo();
    PonerFila(manuales, FilaPPL, {"120", "", "155", "", "135", "", "55"});
    const std::optional<ResultadoCalculo> manual =
        ComandoCalculoManual(problema, manuales, avisos.funcion());
    ASSERT_TRUE(manual);
    EXPECT_EQ(manual->Metodo, -1);
    EXPECT_EQ(manual->Tipo, TipoCalculo::Manual);
    EXPECT_EQ(manual->Tabla, mejor->Tabla);
    EXPECT_EQ(manual->Costes, mejor->Costes);
    EXPECT_TRUE(avisos.textos.empty());
}
