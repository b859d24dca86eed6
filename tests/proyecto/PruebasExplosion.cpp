// The explosion: gross requirements summed in their fixed order, levels, items left unplanned,
// failures, a method given to every item and the policies compared.
#include "AyudasProyecto.h"
#include "ErroresProyecto.h"
#include "ExplosionProyecto.h"
#include "FicheroProyecto.h"
#include "MensajeDe.h"
#include "PoliticasProyecto.h"
#include "TextosProyecto.h"
#include "ValidacionProyecto.h"

#include <gtest/gtest.h>

namespace {

// Lot-for-lot without lead time releases each period's requirement in that period: a parent's
// releases are its own independent demand.
ArticuloProyecto Padre(const QString& codigo, double demanda, const QString& hijo,
                       double cantidad) {
    ArticuloProyecto a = ArticuloDePrueba(codigo, 0, {demanda}, {{hijo, cantidad}});
    return a;
}

// NB of C in period 1: its own 0,1, then A's 0,2 and then B's 2,3, A before B in the file. Summed
// the other way round, or the parents first, it is another double.
TEST(ExplosionProyecto, NecesidadesBrutasEnElOrdenDelFichero) {
    const Proyecto proyecto = ProyectoDePrueba(
        1, {Padre("A", 0.2, "C", 1), ArticuloDePrueba("C", 0, {0.1}), Padre("B", 2.3, "C", 1)});
    const double esperado = (0.1 + 0.2) + 2.3;
    ASSERT_NE(esperado, (0.1 + 2.3) + 0.2);
    ASSERT_NE(esperado, 0.1 + (0.2 + 2.3));
    const ResultadoProyecto resultado = Explotar(proyecto);
    EXPECT_EQ(resultado.Articulos[1].Tabla.NB[1], esperado);
    EXPECT_EQ(resultado.Articulos[1].Tabla.PPL[1], esperado);

    // The release times the quantity per unit, added as it is multiplied: 0,1 × 3 is not 0,3.
    const Proyecto porTres =
        ProyectoDePrueba(1, {Padre("A", 0.1, "C", 3), ArticuloDePrueba("C", 0, {1})});
    EXPECT_EQ(Explotar(porTres).Articulos[1].Tabla.NB[1], 1 + 0.1 * 3);
}

// BARRA is a component of the table (level 0) and of its legs (level 1): it comes after both, at
// level 2, and takes the releases of both, the table's first as the table comes first in the file.
TEST(ExplosionProyecto, ComponenteDeDosPadresEnNivelesDistintos) {
    ArticuloProyecto barra = ArticuloDePrueba("BARRA", 0, {0, 0, 1});
    ArticuloProyecto mesa = ArticuloDePrueba("MESA", 0, {0, 0, 0, 10}, {{"PATA", 4}, {"BARRA", 2}});
    mesa.Datos.TS = 1;
    ArticuloProyecto pata = ArticuloDePrueba("PATA", 0, {}, {{"BARRA", 1}});
    pata.Datos.TS = 1;
    const Proyecto proyecto = ProyectoDePrueba(4, {barra, mesa, pata});
    const ResultadoProyecto resultado = Explotar(proyecto);

    EXPECT_EQ(resultado.OrdenCalculo, (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(resultado.Articulos[0].Nivel, 2);
    EXPECT_EQ(resultado.Articulos[1].Nivel, 0);
    EXPECT_EQ(resultado.Articulos[2].Nivel, 1);
    // MESA releases 10 in 3; PATA needs 40 in 3 and releases them in 2.
    const TFilaMRP& nb = resultado.Articulos[0].Tabla.NB;
    EXPECT_EQ((std::vector<double>{nb[1], nb[2], nb[3], nb[4]}),
              (std::vector<double>{0, 40, 1 + 20, 0}));
}

// Gross requirements that add up to 0 are not planned, as the window refuses them: the record
// holds the inputs, nothing is released and nothing costs.
TEST(ExplosionProyecto, NecesidadesQueSuman0NoSePlanifican) {
    ArticuloProyecto a = ArticuloDePrueba("A", 1, {5, -5}, {{"B", 1}});
    a.Datos.Entrada.D[1] = 7;
    a.Datos.Entrada.RP[2] = 3;
    const Proyecto proyecto = ProyectoDePrueba(2, {a, ArticuloDePrueba("B", 0, {0, 1})});
    const ResultadoProyecto resultado = Explotar(proyecto);
    const PlanArticulo& plan = resultado.Articulos[0];
    EXPECT_FALSE(plan.Planificado);
    EXPECT_EQ(plan.Metodo, -1);
    EXPECT_EQ(TextoMetodoUsado(plan), "Sin necesidades brutas");
    TTablaMRP entradas;
    entradas.NB[1] = 5;
    entradas.NB[2] = -5;
    entradas.D[1] = 7;
    entradas.RP[2] = 3;
    EXPECT_EQ(plan.Tabla, entradas);
    EXPECT_EQ(plan.Costes, TCostesMRP{});
    EXPECT_EQ(plan.CosteTotal, 0);
    EXPECT_TRUE(resultado.Articulos[1].Planificado);
    EXPECT_EQ(resultado.CosteTotal, 100);
}

TEST(ExplosionProyecto, UnFalloDelMotorNombraElArticulo) {
    ArticuloProyecto b = ArticuloDePrueba("B", 1, {4});
    b.Datos.CP = -1; // EOQ takes the square root of a negative number
    const Proyecto proyecto = ProyectoDePrueba(1, {ArticuloDePrueba("A", 0, {1}), b});
    ASSERT_EQ(RechazosProyecto(proyecto), QStringList());
    EXPECT_EQ(MensajeDe([&] { Explotar(proyecto); }),
              "Artículo «B»: Invalid floating point operation");
    // Releases beyond the range of a double overflow the child's requirements.
    const Proyecto enorme =
        ProyectoDePrueba(1, {Padre("A", 1e300, "C", 1e300), ArticuloDePrueba("C", 0)});
    EXPECT_EQ(MensajeDe([&] { Explotar(enorme); }), "Artículo «C»: Floating point overflow");
}

// Every method given to every item, then each item's own; the cheapest in bold. A policy that
// cannot be exploded says why in its row.
TEST(PoliticasProyecto, UnaFilaPorMetodoYLaDeCadaArticulo) {
    Proyecto mesa = ProyectoEjemplo();
    std::vector<PoliticaProyecto> politicas = CompararPoliticas(mesa);
    ASSERT_EQ(politicas.size(), 9u);
    EXPECT_EQ(FilasPoliticas(politicas)[3],
              (QStringList{"Mínimo coste total", "792,5", "470", "322,5"}));
    EXPECT_EQ(FilasPoliticas(politicas)[8],
              (QStringList{"La lotificación de cada artículo", "982,5", "570", "412,5"}));
    for (std::size_t i = 0; i < politicas.size(); ++i)
        EXPECT_EQ(politicas[i].MasBarata, i == 3) << i;

    mesa.Articulos[0].Datos.CE = 0; // lot-for-lot plans without costs
    politicas = CompararPoliticas(mesa);
    EXPECT_TRUE(politicas[0].Fallo.isEmpty());
    EXPECT_TRUE(politicas[8].Fallo.isEmpty());
    EXPECT_EQ(FilasPoliticas(politicas)[1],
              (QStringList{"EOQ",
                           "Artículo «MESA»: «EOQ» necesita costes de emisión y posesión "
                           "distintos de 0",
                           "", ""}));
    EXPECT_FALSE(politicas[1].MasBarata);
}

} // namespace
