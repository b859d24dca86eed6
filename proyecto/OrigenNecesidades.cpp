// The gross requirements' sources, in the grid's number format.
#include "OrigenNecesidades.h"

#include "EstructuraProyecto.h"
#include "Numeros.h"

QStringList OrigenNecesidadesBrutas(const Proyecto& proyecto, const ResultadoProyecto& resultado,
                                    int indice) {
    const ArticuloProyecto& articulo = proyecto.Articulos.at(std::size_t(indice));
    const EstructuraProyecto estructura = LeerEstructura(proyecto);
    const std::vector<UsoComponente>& padres = estructura.Padres.at(std::size_t(indice));
    QStringList origenes;
    for (std::int32_t t = 1; t <= resultado.N; ++t) {
        QStringList partes;
        for (const UsoComponente& uso : padres) {
            const double lanzado = resultado.Articulos.at(std::size_t(uso.Padre)).Tabla.PPL[t];
            if (lanzado == 0) continue;
            partes << QStringLiteral("%1 de %2 × %3 en el período %4")
                          .arg(FloatToStr(lanzado),
                               proyecto.Articulos[std::size_t(uso.Padre)].Codigo,
                               FloatToStr(uso.Cantidad))
                          .arg(t);
        }
        if (articulo.DemandaIndependiente[t] != 0)
            partes << QStringLiteral("%1 de demanda independiente")
                          .arg(FloatToStr(articulo.DemandaIndependiente[t]));
        origenes << partes.join(QStringLiteral("; "));
    }
    return origenes;
}
