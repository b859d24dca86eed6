// Every refusal of a project, as the user reads it, before anything is calculated.
#include "AyudasProyecto.h"
#include "ExplosionProyecto.h"
#include "ValidacionProyecto.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A table (A) of two tops (B), the top of one board (C): valid as it stands.
Proyecto Valido() {
    return ProyectoDePrueba(3,
                            {ArticuloDePrueba("A", 0, {5, 0, 5}, {{"B", 2}}),
                             ArticuloDePrueba("B", 2, {}, {{"C", 1}}), ArticuloDePrueba("C", 5)});
}

struct CasoRechazo {
    const char* nombre;
    std::function<void(Proyecto&)> cambio;
    QStringList rechazos;
};

TEST(ValidacionProyecto, CadaRechazoNombraSuArticulo) {
    const CasoRechazo casos[] = {
        {"sin periodos",
         [](Proyecto& p) { p.N = 0; },
         {"Especifique un número de períodos entre 1 y 99."}},
        {"codigo vacio",
         [](Proyecto& p) { p.Articulos[2].Codigo.clear(); },
         {"Artículo «B»: el componente «C» no es ningún artículo del proyecto",
          "Artículo nº 3: el código ha de tener de 1 a 20 caracteres, cada uno una letra, una "
          "cifra, «-» o «_»"}},
        {"codigo con blanco",
         [](Proyecto& p) { RenombrarArticulo(p, 2, "C 1"); },
         {"Artículo nº 3: el código ha de tener de 1 a 20 caracteres, cada uno una letra, una "
          "cifra, «-» o «_»"}},
        {"codigo de 21",
         [](Proyecto& p) { RenombrarArticulo(p, 2, QString(21, u'C')); },
         {"Artículo nº 3: el código ha de tener de 1 a 20 caracteres, cada uno una letra, una "
          "cifra, «-» o «_»"}},
        {"codigo repetido",
         [](Proyecto& p) { p.Articulos[2].Codigo = "A"; },
         {"Artículo «B»: el componente «C» no es ningún artículo del proyecto",
          "Artículo «A»: el código ya es el del artículo nº 1"}},
        {"plazo negativo",
         [](Proyecto& p) { p.Articulos[1].Datos.TS = -1; },
         {"Artículo «B»: el tiempo de suministro ha de ser 0 o más"}},
        {"stock de seguridad negativo",
         [](Proyecto& p) { p.Articulos[1].Datos.SS = -2; },
         {"Artículo «B»: el stock de seguridad ha de ser 0 o más"}},
        {"metodo 8",
         [](Proyecto& p) { p.Articulos[1].Datos.Metodo = 8; },
         {"Artículo «B»: la lotificación ha de ser un código de 0 a 7"}},
        {"POQ sin coste de posesion",
         [](Proyecto& p) { p.Articulos[1].Datos.CP = 0; },
         {"Artículo «B»: «POQ» necesita costes de emisión y posesión distintos de 0"}},
        {"optimo con coste negativo",
         [](Proyecto& p) {
             p.Articulos[1].Datos.Metodo = 7;
             p.Articulos[1].Datos.CE = -1;
         },
         {"Artículo «B»: El plan óptimo y la comparación de métodos necesitan costes de emisión y "
          "posesión de 0 o más."}},
        {"componente que no existe",
         [](Proyecto& p) {
             p.Articulos[0].Componentes.push_back({"Z", 1});
         },
         {"Artículo «A»: el componente «Z» no es ningún artículo del proyecto"}},
        {"componente repetido",
         [](Proyecto& p) {
             p.Articulos[0].Componentes.push_back({"B", 1});
         },
         {"Artículo «A»: el componente «B» está más de una vez en la lista"}},
        {"cantidad 0",
         [](Proyecto& p) { p.Articulos[1].Componentes[0].Cantidad = 0; },
         {"Artículo «B»: el componente «C» ha de llevar una cantidad mayor que 0"}},
        {"ciclo",
         [](Proyecto& p) {
             p.Articulos[2].Componentes.push_back({"A", 1});
         },
         {"La estructura tiene un ciclo: A → B → C → A"}},
        {"componente de si mismo",
         [](Proyecto& p) {
             p.Articulos[2].Componentes.push_back({"C", 1});
         },
         {"La estructura tiene un ciclo: C → C"}},
        // Entering it from outside, the cycle is named from the item where it closes.
        {"ciclo tras otro articulo",
         [](Proyecto& p) {
             p.Articulos.insert(p.Articulos.begin(), ArticuloDePrueba("X", 0, {1}, {{"B", 1}}));
             p.Articulos[3].Componentes.push_back({"B", 1});
         },
         {"La estructura tiene un ciclo: B → C → B"}},
    };
    for (const CasoRechazo& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        Proyecto proyecto = Valido();
        caso.cambio(proyecto);
        EXPECT_EQ(RechazosProyecto(proyecto), caso.rechazos);
        QStringList avisos;
        EXPECT_FALSE(ExplotarProyecto(proyecto, std::nullopt,
                                      [&](const QString& aviso) { avisos << aviso; }));
        EXPECT_EQ(avisos, caso.rechazos);
    }
    EXPECT_EQ(RechazosProyecto(Valido()), QStringList());
}

} // namespace
