// Projects built in a line or two: items with a method, costs and independent demand, and their
// components.
#pragma once

#include "Proyecto.h"

#include <initializer_list>
#include <vector>

inline ArticuloProyecto ArticuloDePrueba(const QString& codigo, TipoLotificacion metodo = 0,
                                         std::initializer_list<double> demanda = {},
                                         std::vector<Componente> componentes = {}) {
    ArticuloProyecto a;
    a.Codigo = codigo;
    a.Datos.Metodo = metodo;
    a.Datos.CE = 100;
    a.Datos.CP = 1;
    int t = 1;
    for (const double d : demanda) a.DemandaIndependiente[t++] = d;
    a.Componentes = std::move(componentes);
    return a;
}

inline Proyecto ProyectoDePrueba(std::int32_t N, std::vector<ArticuloProyecto> articulos) {
    Proyecto p;
    p.N = N;
    p.Articulos = std::move(articulos);
    return p;
}
