// The tree of a structure, whatever its faults.
#include "ArbolEstructura.h"

namespace {

// Marks every item reachable from the root; kept on the heap, as a structure may be deep.
void Alcanzar(const std::vector<std::vector<int>>& componentes, int raiz,
              std::vector<bool>& alcanzado) {
    std::vector<int> pendientes{raiz};
    alcanzado[std::size_t(raiz)] = true;
    while (!pendientes.empty()) {
        const int articulo = pendientes.back();
        pendientes.pop_back();
        for (const int hijo : componentes[std::size_t(articulo)])
            if (hijo >= 0 && !alcanzado[std::size_t(hijo)]) {
                alcanzado[std::size_t(hijo)] = true;
                pendientes.push_back(hijo);
            }
    }
}

} // namespace

ArbolEstructura LeerArbol(const Proyecto& proyecto) {
    ArbolEstructura arbol;
    arbol.Componentes = ComponentesPorPosicion(proyecto);
    const std::size_t n = arbol.Componentes.size();

    std::vector<bool> usado(n, false);
    bool todosExisten = true;
    for (const std::vector<int>& suyos : arbol.Componentes)
        for (const int hijo : suyos) {
            if (hijo >= 0)
                usado[std::size_t(hijo)] = true;
            else
                todosExisten = false;
        }

    std::vector<bool> alcanzado(n, false);
    for (std::size_t i = 0; i < n; ++i)
        if (!usado[i]) {
            arbol.Raices.push_back(int(i));
            Alcanzar(arbol.Componentes, int(i), alcanzado);
        }
    const std::size_t raicesSinCiclo = arbol.Raices.size();
    for (std::size_t i = 0; i < n; ++i)
        if (!alcanzado[i]) {
            arbol.Raices.push_back(int(i));
            Alcanzar(arbol.Componentes, int(i), alcanzado);
        }

    // An item out of the roots' reach lies on a cycle, or below one.
    if (todosExisten && arbol.Raices.size() == raicesSinCiclo && !BuscarCiclo(proyecto))
        arbol.Estructura = LeerEstructura(proyecto);
    return arbol;
}
