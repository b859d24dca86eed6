// The structure as the report lists it, and the edits a window makes to it.
#include "AyudasProyecto.h"
#include "ExplosionProyecto.h"
#include "TextosProyecto.h"

#include <gtest/gtest.h>

namespace {

// Two end items sharing a subassembly S, which is itself made of a part P also bought alone for
// the second end item.
Proyecto ConSubconjuntoComun() {
    return ProyectoDePrueba(
        2, {ArticuloDePrueba("E1", 0, {1}, {{"S", 2}}), ArticuloDePrueba("S", 0, {}, {{"P", 3}}),
            ArticuloDePrueba("E2", 0, {1}, {{"P", 1}, {"S", 1}}), ArticuloDePrueba("P")});
}

TEST(EstructuraProyecto, ListaSangradaSinRepetirDesgloses) {
    const Proyecto proyecto = ConSubconjuntoComun();
    const ResultadoProyecto resultado = Explotar(proyecto);
    QStringList lineas;
    for (const LineaEstructura& l : LineasEstructura(proyecto, resultado))
        lineas << QStringLiteral("%1%2 %3%4")
                      .arg(QString(l.Profundidad * 2, u' '),
                           proyecto.Articulos[std::size_t(l.Articulo)].Codigo,
                           l.Cantidad ? QString::number(*l.Cantidad) : QStringLiteral("-"),
                           l.Repetido ? QStringLiteral(" repetido") : QString());
    EXPECT_EQ(lineas, (QStringList{"E1 -", "  S 2", "    P 3", "E2 -", "  P 1", "  S 1 repetido"}));
    EXPECT_EQ(resultado.OrdenCalculo, (std::vector<int>{0, 2, 1, 3}));
}

TEST(EstructuraProyecto, QuitarYRenombrarSiguenLosComponentes) {
    Proyecto proyecto = ConSubconjuntoComun();
    RenombrarArticulo(proyecto, 1, "SUB");
    QuitarArticulo(proyecto, IndiceArticulo(proyecto, "P"));
    EXPECT_EQ(proyecto.Articulos[1].Componentes, std::vector<Componente>{});
    EXPECT_EQ(proyecto.Articulos[2].Componentes, (std::vector<Componente>{{"SUB", 1}}));
    EXPECT_EQ(IndiceArticulo(proyecto, "P"), -1);
}

} // namespace
