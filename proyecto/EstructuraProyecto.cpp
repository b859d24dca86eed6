// Parents, levels and cycles of the product structure.
#include "EstructuraProyecto.h"

#include <QHash>

#include <algorithm>

QHash<QString, int> IndicesPorCodigo(const Proyecto& proyecto) {
    QHash<QString, int> indices;
    indices.reserve(qsizetype(proyecto.Articulos.size()));
    for (std::size_t i = proyecto.Articulos.size(); i-- > 0;)
        indices.insert(proyecto.Articulos[i].Codigo, int(i));
    return indices;
}

std::vector<std::vector<int>> ComponentesPorPosicion(const Proyecto& proyecto) {
    const QHash<QString, int> indices = IndicesPorCodigo(proyecto);
    std::vector<std::vector<int>> hijos(proyecto.Articulos.size());
    for (std::size_t i = 0; i < proyecto.Articulos.size(); ++i)
        for (const Componente& componente : proyecto.Articulos[i].Componentes)
            hijos[i].push_back(indices.value(componente.Codigo, -1));
    return hijos;
}

std::optional<QStringList> BuscarCiclo(const Proyecto& proyecto) {
    const std::vector<std::vector<int>> hijos = ComponentesPorPosicion(proyecto);
    enum Estado : char { SinVisitar, EnCamino, Terminado };
    std::vector<Estado> estado(hijos.size(), SinVisitar);
    // A depth-first walk kept on the heap: a structure may be thousands of levels deep.
    struct Paso {
        int articulo;
        std::size_t siguiente;
    };
    std::vector<Paso> camino;
    for (std::size_t raiz = 0; raiz < hijos.size(); ++raiz) {
        if (estado[raiz] != SinVisitar) continue;
        camino.push_back({int(raiz), 0});
        estado[raiz] = EnCamino;
        while (!camino.empty()) {
            Paso& paso = camino.back();
            const std::vector<int>& suyos = hijos[std::size_t(paso.articulo)];
            if (paso.siguiente == suyos.size()) {
                estado[std::size_t(paso.articulo)] = Terminado;
                camino.pop_back();
                continue;
            }
            const int hijo = suyos[paso.siguiente++];
            if (hijo < 0 || estado[std::size_t(hijo)] == Terminado) continue;
            if (estado[std::size_t(hijo)] == EnCamino) {
                QStringList ciclo;
                auto desde = std::find_if(camino.begin(), camino.end(),
                                          [&](const Paso& p) { return p.articulo == hijo; });
                for (; desde != camino.end(); ++desde)
                    ciclo << proyecto.Articulos[std::size_t(desde->articulo)].Codigo;
                ciclo << proyecto.Articulos[std::size_t(hijo)].Codigo;
                return ciclo;
            }
            estado[std::size_t(hijo)] = EnCamino;
            camino.push_back({hijo, 0});
        }
    }
    return std::nullopt;
}

EstructuraProyecto LeerEstructura(const Proyecto& proyecto) {
    const std::vector<std::vector<int>> hijos = ComponentesPorPosicion(proyecto);
    const std::size_t n = hijos.size();
    EstructuraProyecto estructura;
    estructura.Padres.resize(n);
    for (std::size_t padre = 0; padre < n; ++padre) {
        const std::vector<Componente>& componentes = proyecto.Articulos[padre].Componentes;
        for (std::size_t c = 0; c < componentes.size(); ++c)
            estructura.Padres[std::size_t(hijos[padre][c])].push_back(
                {int(padre), componentes[c].Cantidad});
    }

    // Levels in topological order: an item is settled once all its parents are.
    estructura.Niveles.assign(n, 0);
    std::vector<std::size_t> padresPendientes(n);
    std::vector<int> listos;
    for (std::size_t i = 0; i < n; ++i) {
        padresPendientes[i] = estructura.Padres[i].size();
        if (padresPendientes[i] == 0) listos.push_back(int(i));
    }
    int nivelMaximo = 0;
    while (!listos.empty()) {
        const int padre = listos.back();
        listos.pop_back();
        for (const int hijo : hijos[std::size_t(padre)]) {
            int& nivel = estructura.Niveles[std::size_t(hijo)];
            nivel = std::max(nivel, estructura.Niveles[std::size_t(padre)] + 1);
            nivelMaximo = std::max(nivelMaximo, nivel);
            if (--padresPendientes[std::size_t(hijo)] == 0) listos.push_back(hijo);
        }
    }

    // By level, the project's order kept within each.
    std::vector<std::size_t> porNivel(std::size_t(nivelMaximo) + 2, 0);
    for (const int nivel : estructura.Niveles) ++porNivel[std::size_t(nivel) + 1];
    for (std::size_t k = 1; k < porNivel.size(); ++k) porNivel[k] += porNivel[k - 1];
    estructura.OrdenCalculo.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        estructura.OrdenCalculo[porNivel[std::size_t(estructura.Niveles[i])]++] = int(i);
    return estructura;
}
