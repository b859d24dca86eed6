// The project's codes and the edits that keep its components pointing at its items.
#include "Proyecto.h"

#include <algorithm>

bool CodigoValido(const QString& codigo) {
    if (codigo.isEmpty() || codigo.size() > LongitudMaximaCodigo) return false;
    return std::all_of(codigo.begin(), codigo.end(), [](QChar c) {
        return c.isLetter() || (c >= u'0' && c <= u'9') || c == u'-' || c == u'_';
    });
}

int IndiceArticulo(const Proyecto& proyecto, const QString& codigo) {
    for (std::size_t i = 0; i < proyecto.Articulos.size(); ++i)
        if (proyecto.Articulos[i].Codigo == codigo) return int(i);
    return -1;
}

void QuitarArticulo(Proyecto& proyecto, int indice) {
    const QString codigo = proyecto.Articulos.at(std::size_t(indice)).Codigo;
    proyecto.Articulos.erase(proyecto.Articulos.begin() + indice);
    for (ArticuloProyecto& articulo : proyecto.Articulos)
        std::erase_if(articulo.Componentes,
                      [&](const Componente& componente) { return componente.Codigo == codigo; });
}

void RenombrarArticulo(Proyecto& proyecto, int indice, const QString& codigo) {
    QString& actual = proyecto.Articulos.at(std::size_t(indice)).Codigo;
    for (ArticuloProyecto& articulo : proyecto.Articulos)
        for (Componente& componente : articulo.Componentes)
            if (componente.Codigo == actual) componente.Codigo = codigo;
    actual = codigo;
}
