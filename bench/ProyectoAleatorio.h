// Random projects for the benchmarks: four levels, four components per item drawn from the next
// level, the end items' demand and every item's costs as the experiments draw them.
#pragma once

#include "Proyecto.h"

#include <QString>

#include <algorithm>
#include <random>

// How the components of an item are drawn from the next level: uniformly, so that every item has
// about four parents and requirements in most periods; or as real structures are, with a few
// common parts that many items use and many parts that one or two use (weights 1/rango).
enum class Forma { Uniforme, PiezasComunes };

inline Proyecto ProyectoAleatorio(int articulos, std::int32_t N, Forma forma) {
    std::mt19937 azar(static_cast<unsigned>(articulos * 131 + N));
    std::bernoulli_distribution hayDemanda(0.5);
    std::uniform_int_distribution<int> tamano(10, 1000), cantidad(1, 2);
    std::uniform_int_distribution<std::int32_t> plazo(1, 3);
    std::uniform_real_distribution<double> costePedido(3, 30), proporcion(100, 2000);

    constexpr int Niveles = 4;
    const int porNivel = articulos / Niveles;
    std::vector<double> pesos(static_cast<std::size_t>(porNivel), 1.0);
    if (forma == Forma::PiezasComunes)
        for (int k = 0; k < porNivel; ++k) pesos[std::size_t(k)] = 1.0 / (k + 1);
    std::discrete_distribution<int> componente(pesos.begin(), pesos.end());

    Proyecto proyecto;
    proyecto.N = N;
    for (int i = 0; i < articulos; ++i) {
        ArticuloProyecto a;
        a.Codigo = QStringLiteral("A%1").arg(i);
        a.Datos.TS = plazo(azar);
        a.Datos.CE = costePedido(azar);
        a.Datos.CP = a.Datos.CE / proporcion(azar);
        a.Datos.Metodo = LotificacionMejor;
        const int nivel = i / porNivel;
        if (nivel == 0)
            for (std::int32_t t = 1; t <= N; ++t)
                a.DemandaIndependiente[t] = hayDemanda(azar) ? tamano(azar) : 0;
        // Four different components of the next level: the first three levels give three links
        // per item of the project.
        std::vector<int> elegidos;
        while (nivel + 1 < Niveles && elegidos.size() < 4) {
            const int k = (nivel + 1) * porNivel + componente(azar);
            if (std::find(elegidos.begin(), elegidos.end(), k) != elegidos.end()) continue;
            elegidos.push_back(k);
            a.Componentes.push_back({QStringLiteral("A%1").arg(k), double(cantidad(azar))});
        }
        proyecto.Articulos.push_back(std::move(a));
    }
    return proyecto;
}
