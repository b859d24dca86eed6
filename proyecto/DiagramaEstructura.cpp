// The diagram's layout: level bands, each wrapped into rows of at most porFila boxes.
#include "DiagramaEstructura.h"

#include <algorithm>

namespace {

// Gaps as fractions of a box: room for an arrow's quantity between the levels.
constexpr double HuecoHorizontal = 0.3;
constexpr double HuecoEntreFilas = 0.6;
constexpr double HuecoEntreNiveles = 1.4;

} // namespace

DiagramaEstructura DisponerDiagrama(const Proyecto& proyecto, const EstructuraProyecto& estructura,
                                    QSizeF caja, int porFila) {
    porFila = std::max(porFila, 1);
    const std::size_t n = proyecto.Articulos.size();
    DiagramaEstructura diagrama;
    diagrama.Cajas.resize(n);

    std::vector<std::vector<int>> niveles;
    for (const int i : estructura.OrdenCalculo) {
        const auto nivel = std::size_t(estructura.Niveles[std::size_t(i)]);
        if (niveles.size() <= nivel) niveles.resize(nivel + 1);
        niveles[nivel].push_back(i);
    }
    const auto anchoFila = [&](std::size_t cajas) {
        return double(cajas) * caja.width() * (1 + HuecoHorizontal) -
               caja.width() * HuecoHorizontal;
    };
    double ancho = 0;
    for (const std::vector<int>& nivel : niveles)
        ancho = std::max(ancho, anchoFila(std::min(nivel.size(), std::size_t(porFila))));

    double y = 0;
    std::vector<double> media(n, 0);
    for (std::vector<int>& nivel : niveles) {
        // Parents lie on the levels above, already placed.
        for (const int i : nivel) {
            const std::vector<UsoComponente>& padres = estructura.Padres[std::size_t(i)];
            for (const UsoComponente& uso : padres)
                media[std::size_t(i)] += diagrama.Cajas[std::size_t(uso.Padre)].Centro.x();
            if (!padres.empty()) media[std::size_t(i)] /= double(padres.size());
        }
        std::stable_sort(nivel.begin(), nivel.end(), [&](int a, int b) {
            return media[std::size_t(a)] < media[std::size_t(b)];
        });
        for (std::size_t desde = 0; desde < nivel.size(); desde += std::size_t(porFila)) {
            const std::size_t cuantas = std::min(nivel.size() - desde, std::size_t(porFila));
            const double x0 = (ancho - anchoFila(cuantas)) / 2 + caja.width() / 2;
            for (std::size_t k = 0; k < cuantas; ++k) {
                const int i = nivel[desde + k];
                diagrama.Cajas[std::size_t(i)] = {
                    i,
                    {x0 + double(k) * caja.width() * (1 + HuecoHorizontal), y + caja.height() / 2}};
            }
            y += caja.height() * (1 + HuecoEntreFilas);
        }
        y += caja.height() * (HuecoEntreNiveles - HuecoEntreFilas);
    }

    const std::vector<std::vector<int>> componentes = ComponentesPorPosicion(proyecto);
    for (std::size_t padre = 0; padre < n; ++padre)
        for (std::size_t c = 0; c < componentes[padre].size(); ++c)
            diagrama.Flechas.push_back({int(padre), componentes[padre][c],
                                        proyecto.Articulos[padre].Componentes[c].Cantidad});
    diagrama.Tamano = {ancho, std::max(0.0, y - caja.height() * HuecoEntreNiveles)};
    return diagrama;
}
