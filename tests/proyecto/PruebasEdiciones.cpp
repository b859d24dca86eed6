// The edits of the project window as values: each one undone gives back the very project it was
// made on and done again gives the same one; the ones that cannot be made say why and name the
// item. And the tree and the diagram of structures the checks would refuse or that are wide.
#include "ArbolEstructura.h"
#include "AyudasProyecto.h"
#include "DiagramaEstructura.h"
#include "EdicionesProyecto.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// E1 and E2 share a subassembly S, made of a part P that E2 also takes alone.
Proyecto Base() {
    return ProyectoDePrueba(
        2, {ArticuloDePrueba("E1", 0, {1}, {{"S", 2}}), ArticuloDePrueba("S", 0, {}, {{"P", 3}}),
            ArticuloDePrueba("E2", 0, {1}, {{"P", 1}, {"S", 1}}), ArticuloDePrueba("P")});
}

EdicionProyecto Hecha(EdicionORechazo edicion) {
    if (const auto* rechazo = std::get_if<RechazoEdicion>(&edicion))
        ADD_FAILURE() << rechazo->Texto.toStdString();
    return std::get<EdicionProyecto>(std::move(edicion));
}

} // namespace

TEST(EdicionesProyecto, CadaUnaSeDeshaceYSeRehaceExactamente) {
    const Proyecto base = Base();
    ArticuloProyecto descrito = base.Articulos[3];
    descrito.Descripcion = "Pieza";
    const struct {
        const char* nombre;
        EdicionProyecto edicion;
        std::function<void(const Proyecto&)> comprobar;
    } casos[] = {
        {"código", Hecha(EdicionCodigo(base, 1, "SUB")),
         [](const Proyecto& p) { EXPECT_EQ(p.Articulos[2].Componentes[1].Codigo, "SUB"); }},
        {"componente existente", Hecha(EdicionComponente(base, 0, "P", 2)),
         [](const Proyecto& p) {
             EXPECT_EQ(p.Articulos[0].Componentes.back(), (Componente{"P", 2}));
         }},
        {"componente nuevo", Hecha(EdicionComponente(base, 3, "TORNILLO", 0.5)),
         [](const Proyecto& p) {
             EXPECT_EQ(p.Articulos.at(4).Codigo, "TORNILLO");
             EXPECT_EQ(p.Articulos[3].Componentes, (std::vector<Componente>{{"TORNILLO", 0.5}}));
         }},
        {"cantidad", Hecha(EdicionCantidad(base, 2, 1, 4)),
         [](const Proyecto& p) { EXPECT_EQ(p.Articulos[2].Componentes[1].Cantidad, 4); }},
        {"quitar", EdicionQuitar(base, 1),
         [](const Proyecto& p) {
             EXPECT_EQ(p.Articulos.size(), 3u);
             EXPECT_EQ(p.Articulos[1].Componentes, (std::vector<Componente>{{"P", 1}}));
         }},
        {"quitar componente", EdicionQuitarComponente(base, 2, 0),
         [](const Proyecto& p) {
             EXPECT_EQ(p.Articulos[2].Componentes, (std::vector<Componente>{{"S", 1}}));
         }},
        {"bajar", *EdicionMover(base, 0, 1),
         [](const Proyecto& p) { EXPECT_EQ(p.Articulos[1].Codigo, "E1"); }},
        {"horizonte", EdicionHorizonte(base, 12, false),
         [](const Proyecto& p) { EXPECT_EQ(std::pair(p.N, p.Redondear), std::pair(12, false)); }},
        {"método para todos", EdicionMetodoComun(base, 5),
         [](const Proyecto& p) {
             for (const ArticuloProyecto& a : p.Articulos) EXPECT_EQ(a.Datos.Metodo, 5);
         }},
        {"nuevo", EdicionNuevoArticulo(base),
         [](const Proyecto& p) { EXPECT_EQ(p.Articulos.at(4).Codigo, "ART1"); }},
        {"dato", EdicionDato(base, 3, descrito, "la descripción"),
         [](const Proyecto& p) { EXPECT_EQ(p.Articulos[3].Descripcion, "Pieza"); }},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        Proyecto proyecto = base;
        Hacer(caso.edicion, proyecto);
        caso.comprobar(proyecto);
        const Proyecto hecho = proyecto;
        Deshacer(caso.edicion, proyecto);
        EXPECT_EQ(proyecto, base);
        Hacer(caso.edicion, proyecto);
        EXPECT_EQ(proyecto, hecho);
    }
    EXPECT_EQ(EdicionDato(base, 3, descrito, "la descripción").Texto,
              "cambiar la descripción de «P»");
    EXPECT_FALSE(EdicionMover(base, 3, 1));
}

TEST(EdicionesProyecto, LasQueNoSePuedenHacerNombranElArticulo) {
    const Proyecto base = Base();
    const struct {
        EdicionORechazo edicion;
        int articulo;
        const char* texto;
    } casos[] = {
        {EdicionCodigo(base, 0, "E 1"), 0,
         "El código «E 1» ha de tener de 1 a 20 caracteres, cada uno una letra, una cifra, «-» o "
         "«_»."},
        {EdicionCodigo(base, 0, "P"), 0, "El código «P» ya es el del artículo nº 4."},
        {EdicionComponente(base, 3, "E1", 1), 3,
         "«E1» no puede ser componente de «P»: la estructura tendría un ciclo: E1 → S → P → E1."},
        {EdicionComponente(base, 1, "S", 1), 1,
         "«S» no puede ser componente de «S»: la estructura tendría un ciclo: S → S."},
        {EdicionComponente(base, 2, "P", 1), 2,
         "«P» ya es componente de «E2»: cambie su cantidad en la estructura."},
        {EdicionComponente(base, 0, "P", 0), 0,
         "La cantidad de «P» en «E1» ha de ser mayor que 0."},
        {EdicionCantidad(base, 0, 0, -1), 0, "La cantidad de «S» en «E1» ha de ser mayor que 0."},
    };
    for (const auto& caso : casos) {
        const auto* rechazo = std::get_if<RechazoEdicion>(&caso.edicion);
        ASSERT_NE(rechazo, nullptr) << caso.texto;
        EXPECT_EQ(rechazo->Articulo, caso.articulo);
        EXPECT_EQ(rechazo->Texto, QString::fromUtf8(caso.texto));
    }
}

// Items on a cycle that no top item leads to still show, their first one at the top; a component
// that names no item shows as one; neither gives levels.
TEST(ArbolEstructura, CiclosYComponentesQueNoSonArticulos) {
    Proyecto proyecto = Base();
    proyecto.Articulos.push_back(ArticuloDePrueba("A", 0, {}, {{"B", 1}}));
    proyecto.Articulos.push_back(ArticuloDePrueba("B", 0, {}, {{"A", 1}, {"X", 1}}));
    const ArbolEstructura arbol = LeerArbol(proyecto);
    EXPECT_EQ(arbol.Raices, (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(arbol.Componentes[5], (std::vector<int>{4, -1}));
    EXPECT_FALSE(arbol.Estructura);
    const ArbolEstructura sano = LeerArbol(Base());
    ASSERT_TRUE(sano.Estructura);
    EXPECT_EQ(sano.Estructura->Niveles, (std::vector<int>{0, 1, 0, 2}));
}

// A wide level wraps into rows, each below the other and centred; components follow the order of
// their parents, so that arrows cross little.
TEST(DiagramaEstructura, NivelesAnchosEnVariasFilasYComponentesBajoSusPadres) {
    std::vector<ArticuloProyecto> articulos{ArticuloDePrueba("B", 0, {}, {{"Y", 1}}),
                                            ArticuloDePrueba("A", 0, {}, {{"X", 1}})};
    for (int i = 0; i < 5; ++i) articulos.push_back(ArticuloDePrueba(QStringLiteral("E%1").arg(i)));
    articulos.push_back(ArticuloDePrueba("X"));
    articulos.push_back(ArticuloDePrueba("Y"));
    const Proyecto proyecto = ProyectoDePrueba(1, articulos);
    const DiagramaEstructura diagrama =
        DisponerDiagrama(proyecto, LeerEstructura(proyecto), QSizeF(100, 40), 3);
    const auto centro = [&](const char* codigo) {
        return diagrama.Cajas[std::size_t(IndiceArticulo(proyecto, codigo))].Centro;
    };
    // Level 0: B A E0 / E1 E2 E3 / E4, three rows; level 1 below them all.
    EXPECT_EQ(centro("B").y(), centro("E0").y());
    EXPECT_LT(centro("E0").y(), centro("E1").y());
    EXPECT_LT(centro("E3").y(), centro("E4").y());
    EXPECT_EQ(centro("E4").x(), centro("A").x());
    EXPECT_LT(centro("E4").y(), centro("Y").y());
    // Y is B's and X is A's: Y comes first, under B.
    EXPECT_LT(centro("Y").x(), centro("X").x());
    EXPECT_EQ(diagrama.Flechas.size(), 2u);
    EXPECT_EQ(diagrama.Tamano.width(), 3 * 100 + 2 * 30);
}
