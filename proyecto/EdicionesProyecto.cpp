// The steps of the edits, done and undone, and the edits built from what the user asked for.
#include "EdicionesProyecto.h"

#include "EstructuraProyecto.h"
#include "TextosLotificacion.h"
#include "ValidacionProyecto.h"

#include <algorithm>
#include <cmath>

namespace {

template <class... F> struct Casos : F... { using F::operator()...; };

ArticuloProyecto& En(Proyecto& proyecto, int indice) {
    return proyecto.Articulos.at(std::size_t(indice));
}

void Mover(Proyecto& proyecto, int desde, int hasta) {
    auto& articulos = proyecto.Articulos;
    ArticuloProyecto movido = std::move(articulos.at(std::size_t(desde)));
    articulos.erase(articulos.begin() + desde);
    articulos.insert(articulos.begin() + hasta, std::move(movido));
}

void Dar(const PasoEdicion& paso, Proyecto& proyecto, bool hacer) {
    std::visit(
        Casos{
            [&](const CambioArticulo& p) { En(proyecto, p.Indice) = hacer ? p.Despues : p.Antes; },
            [&](const CambioCodigo& p) {
                RenombrarArticulo(proyecto, p.Indice, hacer ? p.Despues : p.Antes);
            },
            [&](const AltaArticulo& p) {
                if (hacer)
                    proyecto.Articulos.insert(proyecto.Articulos.begin() + p.Indice, p.Articulo);
                else
                    proyecto.Articulos.erase(proyecto.Articulos.begin() + p.Indice);
            },
            [&](const BajaArticulo& p) {
                if (hacer) {
                    QuitarArticulo(proyecto, p.Indice);
                    return;
                }
                proyecto.Articulos.insert(proyecto.Articulos.begin() + p.Indice, p.Articulo);
                for (const auto& [indice, lista] : p.Listas)
                    En(proyecto, indice).Componentes = lista;
            },
            [&](const CambioOrden& p) {
                Mover(proyecto, hacer ? p.Desde : p.Hasta, hacer ? p.Hasta : p.Desde);
            },
            [&](const CambioHorizonte& p) {
                proyecto.N = hacer ? p.NDespues : p.NAntes;
                proyecto.Redondear = hacer ? p.RedondearDespues : p.RedondearAntes;
            },
            [&](const CambioMetodos& p) {
                for (std::size_t i = 0; i < proyecto.Articulos.size(); ++i)
                    proyecto.Articulos[i].Datos.Metodo = hacer ? p.Despues : p.Antes.at(i);
            },
        },
        paso);
}

QString Citado(const QString& codigo) {
    return QStringLiteral("«%1»").arg(codigo);
}

const QString& Codigo(const Proyecto& proyecto, int indice) {
    return proyecto.Articulos.at(std::size_t(indice)).Codigo;
}

// The first free code of a series: ART1, ART2...
QString CodigoLibre(const Proyecto& proyecto) {
    for (int n = 1;; ++n) {
        const QString codigo = QStringLiteral("ART%1").arg(n);
        if (IndiceArticulo(proyecto, codigo) < 0) return codigo;
    }
}

ArticuloProyecto ArticuloNuevo(const QString& codigo) {
    ArticuloProyecto articulo;
    articulo.Codigo = codigo;
    articulo.Datos.TS = 1; // as a new problem of the main window
    articulo.Datos.Metodo = LotificacionLoteALote;
    return articulo;
}

QString TextoRechazoCodigo(const QString& codigo, const QString& motivo) {
    return QStringLiteral("El código %1 %2.").arg(Citado(codigo), motivo);
}

std::optional<RechazoEdicion> RechazoCantidad(const Proyecto& proyecto, int padre,
                                              const QString& componente, double cantidad) {
    if (cantidad > 0 && std::isfinite(cantidad)) return std::nullopt;
    return RechazoEdicion{padre, QStringLiteral("La cantidad de %1 en %2 ha de ser mayor que 0.")
                                     .arg(Citado(componente), Citado(Codigo(proyecto, padre)))};
}

} // namespace

void Hacer(const EdicionProyecto& edicion, Proyecto& proyecto) {
    for (const PasoEdicion& paso : edicion.Pasos) Dar(paso, proyecto, true);
}

void Deshacer(const EdicionProyecto& edicion, Proyecto& proyecto) {
    for (auto paso = edicion.Pasos.rbegin(); paso != edicion.Pasos.rend(); ++paso)
        Dar(*paso, proyecto, false);
}

EdicionProyecto EdicionArticulo(const Proyecto& proyecto, int indice, ArticuloProyecto nuevo,
                                const QString& texto) {
    const ArticuloProyecto& antes = proyecto.Articulos.at(std::size_t(indice));
    nuevo.Codigo = antes.Codigo;
    return {texto, {CambioArticulo{indice, antes, std::move(nuevo)}}, indice, indice};
}

EdicionProyecto EdicionDato(const Proyecto& proyecto, int indice, ArticuloProyecto nuevo,
                            const QString& dato) {
    return EdicionArticulo(
        proyecto, indice, std::move(nuevo),
        QStringLiteral("cambiar %1 de %2").arg(dato, Citado(Codigo(proyecto, indice))));
}

EdicionProyecto EdicionNuevoArticulo(const Proyecto& proyecto) {
    const QString codigo = CodigoLibre(proyecto);
    const int indice = int(proyecto.Articulos.size());
    return {QStringLiteral("añadir el artículo %1").arg(Citado(codigo)),
            {AltaArticulo{indice, ArticuloNuevo(codigo)}},
            indice,
            -1};
}

EdicionORechazo EdicionCodigo(const Proyecto& proyecto, int indice, const QString& codigo) {
    if (!CodigoValido(codigo))
        return RechazoEdicion{indice, TextoRechazoCodigo(codigo, MotivoCodigoNoValido())};
    if (const int otro = IndiceArticulo(proyecto, codigo); otro >= 0 && otro != indice)
        return RechazoEdicion{indice, TextoRechazoCodigo(codigo, MotivoCodigoRepetido(otro))};
    const QString& antes = Codigo(proyecto, indice);
    return EdicionProyecto{
        QStringLiteral("cambiar el código %1 por %2").arg(Citado(antes), Citado(codigo)),
        {CambioCodigo{indice, antes, codigo}},
        indice,
        indice};
}

EdicionORechazo EdicionComponente(const Proyecto& proyecto, int padre, const QString& codigo,
                                  double cantidad) {
    if (!CodigoValido(codigo))
        return RechazoEdicion{padre, TextoRechazoCodigo(codigo, MotivoCodigoNoValido())};
    if (const std::optional<RechazoEdicion> rechazo =
            RechazoCantidad(proyecto, padre, codigo, cantidad))
        return *rechazo;
    const ArticuloProyecto& suyo = proyecto.Articulos.at(std::size_t(padre));
    const bool yaEsta =
        std::any_of(suyo.Componentes.begin(), suyo.Componentes.end(),
                    [&](const Componente& componente) { return componente.Codigo == codigo; });
    if (yaEsta)
        return RechazoEdicion{padre, QStringLiteral("%1 ya es componente de %2: cambie su cantidad "
                                                    "en la estructura.")
                                         .arg(Citado(codigo), Citado(suyo.Codigo))};

    ArticuloProyecto despues = suyo;
    despues.Componentes.push_back({codigo, cantidad});
    EdicionProyecto edicion;
    edicion.ArticuloDeshecho = padre;
    if (const int existente = IndiceArticulo(proyecto, codigo); existente >= 0) {
        edicion.Texto = QStringLiteral("añadir %1 como componente de %2")
                            .arg(Citado(codigo), Citado(suyo.Codigo));
        edicion.Articulo = existente;
    } else {
        edicion.Texto = QStringLiteral("añadir el artículo %1 como componente de %2")
                            .arg(Citado(codigo), Citado(suyo.Codigo));
        edicion.Articulo = int(proyecto.Articulos.size());
        edicion.Pasos.push_back(AltaArticulo{edicion.Articulo, ArticuloNuevo(codigo)});
    }
    edicion.Pasos.push_back(CambioArticulo{padre, suyo, std::move(despues)});

    // A cycle the project did not have is the one this link closes.
    if (!BuscarCiclo(proyecto)) {
        Proyecto prueba = proyecto;
        Hacer(edicion, prueba);
        if (const std::optional<QStringList> ciclo = BuscarCiclo(prueba))
            return RechazoEdicion{
                padre, QStringLiteral("%1 no puede ser componente de %2: la "
                                      "estructura tendría un ciclo: %3.")
                           .arg(Citado(codigo), Citado(suyo.Codigo), CadenaCiclo(*ciclo))};
    }
    return edicion;
}

EdicionORechazo EdicionCantidad(const Proyecto& proyecto, int padre, int posicion,
                                double cantidad) {
    const ArticuloProyecto& suyo = proyecto.Articulos.at(std::size_t(padre));
    const QString& codigo = suyo.Componentes.at(std::size_t(posicion)).Codigo;
    if (const std::optional<RechazoEdicion> rechazo =
            RechazoCantidad(proyecto, padre, codigo, cantidad))
        return *rechazo;
    ArticuloProyecto despues = suyo;
    despues.Componentes[std::size_t(posicion)].Cantidad = cantidad;
    return EdicionArticulo(
        proyecto, padre, std::move(despues),
        QStringLiteral("cambiar la cantidad de %1 en %2").arg(Citado(codigo), Citado(suyo.Codigo)));
}

EdicionProyecto EdicionQuitar(const Proyecto& proyecto, int indice) {
    BajaArticulo baja{indice, proyecto.Articulos.at(std::size_t(indice)), {}};
    for (std::size_t i = 0; i < proyecto.Articulos.size(); ++i) {
        const std::vector<Componente>& lista = proyecto.Articulos[i].Componentes;
        if (std::any_of(lista.begin(), lista.end(), [&](const Componente& componente) {
                return componente.Codigo == baja.Articulo.Codigo;
            }))
            baja.Listas.emplace_back(int(i), lista);
    }
    const int quedan = int(proyecto.Articulos.size()) - 1;
    return {QStringLiteral("quitar el artículo %1").arg(Citado(baja.Articulo.Codigo)),
            {std::move(baja)},
            std::min(indice, quedan - 1),
            indice};
}

EdicionProyecto EdicionQuitarComponente(const Proyecto& proyecto, int padre, int posicion) {
    const ArticuloProyecto& suyo = proyecto.Articulos.at(std::size_t(padre));
    ArticuloProyecto despues = suyo;
    const QString codigo = despues.Componentes.at(std::size_t(posicion)).Codigo;
    despues.Componentes.erase(despues.Componentes.begin() + posicion);
    return EdicionArticulo(proyecto, padre, std::move(despues),
                           QStringLiteral("quitar %1 de los componentes de %2")
                               .arg(Citado(codigo), Citado(suyo.Codigo)));
}

std::optional<EdicionProyecto> EdicionMover(const Proyecto& proyecto, int indice, int paso) {
    const int hasta = indice + paso;
    if (hasta < 0 || hasta >= int(proyecto.Articulos.size())) return std::nullopt;
    return EdicionProyecto{(paso < 0 ? QStringLiteral("subir %1") : QStringLiteral("bajar %1"))
                               .arg(Citado(Codigo(proyecto, indice))),
                           {CambioOrden{indice, hasta}},
                           hasta,
                           indice};
}

EdicionProyecto EdicionHorizonte(const Proyecto& proyecto, std::int32_t N, bool redondear) {
    QString texto;
    if (N != proyecto.N)
        texto = QStringLiteral("cambiar el número de períodos a %1").arg(N);
    else if (redondear)
        texto = QStringLiteral("redondear la cantidad económica de pedido");
    else
        texto = QStringLiteral("no redondear la cantidad económica de pedido");
    return {texto, {CambioHorizonte{proyecto.N, N, proyecto.Redondear, redondear}}, -1, -1};
}

EdicionProyecto EdicionMetodoComun(const Proyecto& proyecto, TipoLotificacion metodo) {
    CambioMetodos cambio{{}, metodo};
    for (const ArticuloProyecto& articulo : proyecto.Articulos)
        cambio.Antes.push_back(articulo.Datos.Metodo);
    return {QStringLiteral("aplicar «%1» a todos los artículos").arg(TextoLotificacion(metodo)),
            {std::move(cambio)},
            -1,
            -1};
}
