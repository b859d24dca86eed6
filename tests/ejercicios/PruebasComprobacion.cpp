// Checking a typed record: the worked example typed with one error in each row, the tolerance's
// edges, empty against 0, the refusals, and the step shown for a wrong cell.
#include "AyudasRejilla.h"
#include "CalculoArticulo.h"
#include "CalculoProblema.h"
#include "Comprobacion.h"
#include "PasoCelda.h"
#include "ProblemaEjemplo.h"
#include "TablaRejilla.h"

#include <gtest/gtest.h>

namespace {

struct Tecleo {
    const char* nombre;
    int fila;
    int columna;
    QString texto;
    EstadoCelda estado;
};

const CeldaComprobada* Buscar(const Comprobacion& c, int fila, int columna) {
    for (const CeldaComprobada& celda : c.Celdas)
        if (celda.Fila == fila && celda.Columna == columna) return &celda;
    return nullptr;
}

} // namespace

TEST(Comprobacion, EjemploConUnErrorEnCadaFila) {
    const ResultadoCalculo exacto = CalcularSeleccionada(ProblemaEjemplo());
    TextosCelda celdas = CeldasDelResultado(exacto);
    const Tecleo tecleos[] = {
        {"D_de_mas", FilaD, 8, "5", EstadoCelda::Erronea},
        {"D_con_blancos", FilaD, 2, " 10 ", EstadoCelda::Correcta},
        {"NN_erronea", FilaNN, 4, "65", EstadoCelda::Erronea},
        {"NN_cero_tecleado", FilaNN, 1, "0", EstadoCelda::Correcta},
        {"RPPL_vacia", FilaRPPL, 7, "", EstadoCelda::Falta},
        {"PPL_no_numero", FilaPPL, 3, "6O", EstadoCelda::Erronea},
        {"Ce_sin_emision", FilaCe, 8, "100", EstadoCelda::Erronea},
        {"Cp_dentro_de_tolerancia", FilaCp, 1, "10,005", EstadoCelda::Correcta},
        {"Cp_fuera_de_tolerancia", FilaCp, 2, "0,02", EstadoCelda::Erronea},
        {"CTotal_total", FilaCTotal, 9, "700", EstadoCelda::Erronea},
    };
    for (const Tecleo& t : tecleos) celdas.PonerCelda(t.columna, t.fila, t.texto);

    const Comprobacion c = ComprobarRegistro(exacto, celdas, true, ToleranciaDefecto);
    // D of periods 2 to 8, NN, RPPL, PPL, Ce and Cp of 1 to 8, CTotal of 1 to 9.
    EXPECT_EQ(c.Comprobadas(), 7 + 5 * 8 + 9);
    EXPECT_EQ(c.Correctas, c.Comprobadas() - 7);
    for (const Tecleo& t : tecleos) {
        SCOPED_TRACE(t.nombre);
        const CeldaComprobada* celda = Buscar(c, t.fila, t.columna);
        ASSERT_NE(celda, nullptr);
        EXPECT_EQ(celda->Estado, t.estado);
    }
    EXPECT_FALSE(Buscar(c, FilaD, 1)) << "the initial stock is an input";
    EXPECT_FALSE(Buscar(c, FilaD, 9)) << "a solution file holds no stock after the last period";
    EXPECT_EQ(MensajeComprobacion(c),
              "49 de 56 celdas correctas; la primera diferencia está en Cp, período 2");
    EXPECT_EQ(NotaCelda(*Buscar(c, FilaPPL, 3), true),
              "Incorrecto: no es un número (el valor correcto es 60)");
    EXPECT_EQ(NotaCelda(*Buscar(c, FilaRPPL, 7), false), "Falta el valor");
    EXPECT_EQ(LugarCelda(*Buscar(c, FilaCTotal, 9), c.N), "CTotal, total");

    // Without the cost rows only the plan is checked.
    const Comprobacion sinCostes = ComprobarRegistro(exacto, celdas, false, ToleranciaDefecto);
    EXPECT_EQ(sinCostes.Comprobadas(), 7 + 3 * 8);
    EXPECT_EQ(MensajeComprobacion(sinCostes),
              "27 de 31 celdas correctas; la primera diferencia está en PPL, período 3");
}

TEST(Comprobacion, RegistroCorrectoSinDiferencias) {
    const ResultadoCalculo exacto = CalcularSeleccionada(ProblemaEjemplo(LotificacionPOQ));
    const Comprobacion c =
        ComprobarRegistro(exacto, CeldasDelResultado(exacto), true, ToleranciaDefecto);
    EXPECT_EQ(c.Correctas, c.Comprobadas());
    EXPECT_EQ(c.PrimeraDiferencia(), nullptr);
    EXPECT_EQ(MensajeComprobacion(c), "56 de 56 celdas correctas");
    EXPECT_EQ(PasoPrimeraDiferencia(exacto, c), QString());
}

TEST(Comprobacion, BordesDeLaTolerancia) {
    struct Caso {
        const char* nombre;
        double tecleado, exacto, tolerancia;
        bool dentro;
    };
    const Caso casos[] = {
        {"justo_por_encima", 50.01, 50, 0.01, true},
        {"justo_por_debajo", 49.99, 50, 0.01, true},
        {"pasado", 50.02, 50, 0.01, false},
        {"suma_binaria_por_debajo", 0.29, 0.1 + 0.2, 0.01, true},
        {"suma_binaria_sin_tolerancia", 0.3, 0.1 + 0.2, 0, true},
        {"sin_tolerancia", 50.0001, 50, 0, false},
        {"numero_grande", 1e6 + 0.01, 1e6, 0.01, true},
        {"tolerancia_amplia", 55, 50, 5, true},
        {"negativo", -10.01, -10, 0.01, true},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(DentroDeTolerancia(caso.tecleado, caso.exacto, caso.tolerancia), caso.dentro)
            << caso.nombre;

    EXPECT_EQ(LeerTolerancia("0,01"), 0.01);
    EXPECT_EQ(LeerTolerancia(" 0 "), 0.0);
    for (const char* mala : {"-0,1", "abc", "", "0.01"})
        EXPECT_EQ(LeerTolerancia(mala), std::nullopt) << mala;
}

TEST(Comprobacion, ElProblemaDeLaVentanaSeRechazaComoAlCalcular) {
    TextosProblema problema;
    TextosCelda celdas = CeldasIniciales(8);
    PonerFila(celdas, FilaNB, {"50", "60"});
    QStringList avisos;
    const Avisar avisar = [&](const QString& aviso) { avisos << aviso; };

    problema.Metodo = -1;
    EXPECT_FALSE(ComprobarProblema(problema, celdas, ToleranciaDefecto, avisar));
    problema.Metodo = LotificacionEOQ;
    EXPECT_FALSE(ComprobarProblema(problema, celdas, ToleranciaDefecto, avisar));
    EXPECT_EQ(avisos, QStringList({AvisoMetodoComprobado, AvisoCostes}));

    problema.Metodo = LotificacionLoteALote;
    const auto comprobada = ComprobarProblema(problema, celdas, ToleranciaDefecto, avisar);
    ASSERT_TRUE(comprobada);
    EXPECT_EQ(comprobada->Exacto.Tabla.NN[2], 110); // lead time 1: period 1 is carried into 2
}

TEST(PasoCelda, LaReglaConSusNumeros) {
    const ResultadoCalculo loteALote = CalcularSeleccionada(ProblemaEjemplo());
    const ResultadoCalculo poq = CalcularSeleccionada(ProblemaEjemplo(LotificacionPOQ));
    const ResultadoCalculo eoq = CalcularSeleccionada(ProblemaEjemplo(LotificacionEOQ));
    struct Caso {
        const char* nombre;
        const ResultadoCalculo& resultado;
        int fila, columna;
        QString paso;
    };
    const Caso casos[] = {
        {"NN", loteALote, FilaNN, 4, "NN = NB − D − RP + SS = 60 − 0 − 0 + 0 = 60"},
        {"NN_no_positiva", loteALote, FilaNN, 1,
         "NN = NB − D − RP + SS = 50 − 60 − 0 + 0 = -10, que no es positivo: NN = 0"},
        {"D_inicial_es_un_dato", loteALote, FilaD, 1, ""},
        {"D", loteALote, FilaD, 3, "D[3] = D[2] + RP[2] − NB[2] + RPPL[2] = 10 + 0 − 60 + 50 = 0"},
        {"RPPL_en_el_plazo", loteALote, FilaRPPL, 1,
         "RPPL = 0: una recepción en el período 1 se habría emitido antes del período 1 (tiempo "
         "de suministro 1)"},
        {"RPPL_lote_a_lote", loteALote, FilaRPPL, 2,
         "RPPL = NN = 50: el lote cubre la necesidad neta de su período"},
        {"RPPL_ventana", poq, FilaRPPL, 2,
         "RPPL = NN + (NB − RP) del período 3 = 50 + 70 = 120: el lote cubre los períodos 2 a 3"},
        {"RPPL_EOQ", eoq, FilaRPPL, 2, "RPPL = máx(NN, Q) = máx(50, 115) = 115"},
        {"PPL", loteALote, FilaPPL, 1,
         "PPL[1] = RPPL[2] = 50: el lote se emite 1 período antes de recibirse"},
        {"PPL_tras_el_horizonte", loteALote, FilaPPL, 8,
         "PPL = 0: su recepción caería en el período 9, después del último (8)"},
        {"Ce", loteALote, FilaCe, 8,
         "Ce = 0, porque en este período no se emite ningún pedido (PPL = 0)"},
        {"Cp", loteALote, FilaCp, 1, "Cp[1] = CP × D[2] = 1 × 10 = 10"},
        {"CTotal", loteALote, FilaCTotal, 1, "CTotal = Ce + Cp = 100 + 10 = 110"},
        {"CTotal_total", loteALote, FilaCTotal, 9,
         "Coste total = suma de CTotal de los períodos 1 a 8 = 110 + 100 + 100 + 100 + 100 + 100 "
         "+ 100 + 0 = 710"},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(PasoCelda(caso.resultado, caso.columna, caso.fila), caso.paso) << caso.nombre;
}
