// What the report holds: the calculation's parameters, grid, total and charts, or the inputs
// before any calculation, and a word when the window's problem is no longer the one calculated.
#include "EjemploRejilla.h"
#include "EntradaEjemplo.h"
#include "GraficosCalculo.h"
#include "Numeros.h"
#include "TextosComparacion.h"

#include <gtest/gtest.h>

namespace {

template <class Seccion> const Seccion& En(const ContenidoInforme& informe, std::size_t i) {
    EXPECT_LT(i, informe.Secciones.size());
    return std::get<Seccion>(informe.Secciones.at(i));
}

std::vector<std::pair<QString, QString>> Parametros(const QStringList& valores) {
    const QStringList nombres = {
        "Nº períodos:",       "Tiempo de suministro:", "Stock de seguridad:", "Coste de emisión:",
        "Coste de posesión:", "Lotificación:",         "Redondear:"};
    std::vector<std::pair<QString, QString>> filas;
    for (qsizetype i = 0; i < nombres.size(); ++i) filas.emplace_back(nombres[i], valores[i]);
    return filas;
}

const QStringList Etiquetas = {"NB", "D", "RP", "NN", "RPPL", "PPL", "Ce", "Cp", "CTotal"};

} // namespace

TEST(ContenidoInforme, CalculadoConSusDatosRejillaTotalYGrafico) {
    EntradaInforme entrada = EntradaEjemplo();
    entrada.FicheroProblema = "/aula/ejercicios/ej1.lot";
    Calcular(entrada);
    const ContenidoInforme informe = ConstruirInforme(entrada);
    EXPECT_EQ(informe.Titulo, "Quelmar — plan de lotificación");
    EXPECT_EQ(informe.Subtitulo, "Problema: ej1.lot");
    ASSERT_EQ(informe.Secciones.size(), 4u);

    EXPECT_EQ(En<SeccionDatos>(informe, 0).Filas,
              Parametros({"8", "1", "0", "100", "1", "Lote a lote", "Sí"}));
    const SeccionTabla& rejilla = En<SeccionTabla>(informe, 1);
    EXPECT_EQ(rejilla.Titulo, "Registro MRP");
    EXPECT_EQ(rejilla.Cabecera, QStringList({"", "1", "2", "3", "4", "5", "6", "7", "8", ""}));
    ASSERT_EQ(rejilla.Filas.size(), 9u);
    for (std::size_t f = 0; f < 9; ++f)
        EXPECT_EQ(rejilla.Filas[f],
                  QStringList{Etiquetas[qsizetype(f)]} + RejillaLoteALoteEjemplo[f]);
    EXPECT_TRUE(rejilla.UltimaColumnaDestacada);
    EXPECT_EQ(En<SeccionDestacada>(informe, 2).Texto, "Coste total: 710");
    EXPECT_EQ(En<SeccionGrafico>(informe, 3).Grafico, GraficoPlan(*entrada.Calculo));
}

// The cost rows go with the check box; "Mejor de las anteriores" names its choice; an open
// comparison panel adds the comparison, its table and its chart.
TEST(ContenidoInforme, SinCostesConElMejorYLaComparacion) {
    EntradaInforme entrada = EntradaEjemplo();
    entrada.Problema.Metodo = LotificacionMejor;
    entrada.Problema.VerCostes = false;
    entrada.ConComparacion = true;
    Calcular(entrada);
    const ContenidoInforme informe = ConstruirInforme(entrada);
    EXPECT_TRUE(informe.Subtitulo.isEmpty());
    ASSERT_EQ(informe.Secciones.size(), 6u);
    EXPECT_EQ(En<SeccionDatos>(informe, 0).Filas[5].second, "Mejor de las anteriores: POQ");
    const SeccionTabla& rejilla = En<SeccionTabla>(informe, 1);
    ASSERT_EQ(rejilla.Filas.size(), 6u);
    EXPECT_EQ(rejilla.Filas.back(), QStringList{"PPL"} + RejillaPOQEjemplo[5]);
    EXPECT_EQ(En<SeccionDestacada>(informe, 2).Texto, "Coste total: 635");

    const SeccionTabla& comparacion = En<SeccionTabla>(informe, 4);
    EXPECT_EQ(comparacion.Titulo, "Comparación de métodos");
    EXPECT_EQ(comparacion.Cabecera, CabeceraComparacion());
    ASSERT_EQ(comparacion.Filas.size(), 7u);
    EXPECT_EQ(comparacion.Filas[6][0], "Plan óptimo (Wagner-Whitin)");
    EXPECT_EQ(comparacion.FilasDestacadas,
              std::vector<bool>({false, false, true, true, true, true, false}));
    EXPECT_EQ(En<SeccionGrafico>(informe, 5).Grafico,
              GraficoComparacion(entrada.Calculo->Comparacion));
}

TEST(ContenidoInforme, AntesDeCalcularLosDatosTalComoSeEscribieron) {
    EntradaInforme entrada = EntradaEjemplo();
    entrada.Problema.CP = "0,50";
    entrada.Problema.Redondear = false;
    entrada.Celdas.PonerCelda(2, FilaD, "99"); // not an input: left out
    entrada.Celdas.PonerCelda(3, FilaRP, "20");
    entrada.ConComparacion = true;
    ContenidoInforme informe = ConstruirInforme(entrada);
    ASSERT_EQ(informe.Secciones.size(), 3u);
    EXPECT_EQ(En<SeccionTexto>(informe, 0).Titulo, "Sin calcular");
    EXPECT_EQ(En<SeccionTexto>(informe, 0).Parrafos,
              QStringList{"Todavía no se ha calculado nada: el informe muestra solo los datos del "
                          "problema."});
    EXPECT_EQ(En<SeccionDatos>(informe, 1).Filas,
              Parametros({"8", "1", "0", "100", "0,50", "Lote a lote", "No"}));
    const SeccionTabla& rejilla = En<SeccionTabla>(informe, 2);
    EXPECT_EQ(rejilla.Cabecera, QStringList({"", "1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(rejilla.Filas,
              std::vector<QStringList>({{"NB", "50", "60", "70", "60", "95", "75", "60", "55"},
                                        {"D", "60", "", "", "", "", "", "", ""},
                                        {"RP", "", "", "20", "", "", "", "", ""}}));

    // A number of periods that gives no grid leaves the inputs' fields alone.
    entrada.Problema.NPeriodos = "x";
    entrada.Problema.Metodo = -1;
    informe = ConstruirInforme(entrada);
    ASSERT_EQ(informe.Secciones.size(), 2u);
    EXPECT_EQ(En<SeccionDatos>(informe, 1).Filas[0].second, "x");
    EXPECT_EQ(En<SeccionDatos>(informe, 1).Filas[5].second, "Ninguna");
}

TEST(ContenidoInforme, AvisaCuandoLaVentanaYaNoTieneElProblemaCalculado) {
    const struct {
        const char* nombre;
        void (*cambiar)(EntradaInforme&);
        bool aviso;
    } casos[] = {
        {"sin_cambios", [](EntradaInforme&) {}, false},
        {"otro_metodo_marcado", [](EntradaInforme& e) { e.Problema.Metodo = 3; }, false},
        {"costes_ocultos", [](EntradaInforme& e) { e.Problema.VerCostes = false; }, false},
        {"mismo_numero_escrito_de_otro_modo", [](EntradaInforme& e) { e.Problema.CE = "1E2"; },
         false},
        {"otro_coste", [](EntradaInforme& e) { e.Problema.CE = "200"; }, true},
        {"otra_necesidad", [](EntradaInforme& e) { e.Celdas.PonerCelda(3, FilaNB, "71"); }, true},
        {"sin_redondeo", [](EntradaInforme& e) { e.Problema.Redondear = false; }, true},
        {"periodos_que_no_convierten", [](EntradaInforme& e) { e.Problema.NPeriodos = "-"; }, true},
        {"otro_horizonte", [](EntradaInforme& e) { e.Problema.NPeriodos = "120"; }, true},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        EntradaInforme entrada = EntradaEjemplo();
        Calcular(entrada);
        caso.cambiar(entrada);
        const ContenidoInforme informe = InformeDeLaVentana(entrada);
        const auto* aviso = std::get_if<SeccionTexto>(&informe.Secciones.front());
        EXPECT_EQ(aviso != nullptr, caso.aviso);
        if (aviso) {
            EXPECT_EQ(aviso->Titulo, "Aviso");
        }
        // The report is still the calculation's.
        EXPECT_EQ(std::get<SeccionDestacada>(informe.Secciones[caso.aviso ? 3 : 2]).Texto,
                  "Coste total: 710");
    }
}

// The sections as chosen, in the report's order; the cover's lines that were filled in; the key
// under the record; figures of results at the chosen decimals, the parameters as calculated.
TEST(ContenidoInforme, LasSeccionesYLaPortadaQueSeEligen) {
    const struct {
        const char* nombre;
        void (*elegir)(EleccionInforme&);
        std::vector<std::size_t> tipos; // the variant's index of each section
    } casos[] = {
        {"por_defecto", [](EleccionInforme&) {}, {1, 2, 3, 4}},
        {"sin_datos", [](EleccionInforme& e) { e.ConDatos = false; }, {2, 3, 4}},
        {"sin_registro", [](EleccionInforme& e) { e.ConRegistro = false; }, {1, 4}},
        {"sin_grafico", [](EleccionInforme& e) { e.ConGrafico = false; }, {1, 2, 3}},
        {"solo_la_comparacion",
         [](EleccionInforme& e) {
             e.ConDatos = e.ConRegistro = e.ConGrafico = false;
             e.ConComparacion = true;
         },
         {2, 4}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        EntradaInforme entrada = EntradaEjemplo();
        Calcular(entrada);
        caso.elegir(entrada);
        std::vector<std::size_t> tipos;
        for (const SeccionInforme& seccion : ConstruirInforme(entrada).Secciones)
            tipos.push_back(seccion.index());
        EXPECT_EQ(tipos, caso.tipos);
    }

    EntradaInforme entrada = EntradaEjemplo();
    entrada.Problema.CP = "0,333";
    Calcular(entrada);
    entrada.Alumno = " Ana Pérez ";
    entrada.Ejercicio = "3";
    entrada.Decimales = 1;
    const ContenidoInforme informe = ConstruirInforme(entrada);
    EXPECT_EQ(informe.Portada, (std::vector<std::pair<QString, QString>>{{"Alumno:", "Ana Pérez"},
                                                                         {"Ejercicio:", "3"}}));
    EXPECT_EQ(En<SeccionDatos>(informe, 0).Filas[4].second, "0,333");
    const SeccionTabla& rejilla = En<SeccionTabla>(informe, 1);
    EXPECT_EQ(rejilla.Filas[7][1], "3,3") << "Cp of period 1: 10 × 0,333";
    ASSERT_EQ(rejilla.Notas.size(), 1u);
    EXPECT_TRUE(rejilla.Notas[0].startsWith("NB: necesidades brutas; D: stock disponible"));
    EXPECT_EQ(En<SeccionDestacada>(informe, 2).Texto,
              "Coste total: " + CifraLegible(entrada.Calculo->CosteTotal(), 1));
}
