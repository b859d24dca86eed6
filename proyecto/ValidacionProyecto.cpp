// The checks of a project, in the order a reader goes through the file: the horizon, then item by
// item, then the structure as a whole.
#include "ValidacionProyecto.h"

#include "AvisosProblema.h"
#include "EstructuraProyecto.h"
#include "Horizonte.h"
#include "TextosLotificacion.h"

#include <QHash>

#include <algorithm>

QString NombreArticulo(const Proyecto& proyecto, int indice) {
    const QString& codigo = proyecto.Articulos[std::size_t(indice)].Codigo;
    if (CodigoValido(codigo)) return QStringLiteral("«%1»").arg(codigo);
    return QStringLiteral("nº %1").arg(indice + 1);
}

QString MotivoCodigoNoValido() {
    return QStringLiteral("ha de tener de 1 a %1 caracteres, cada uno una letra, una cifra, «-» o "
                          "«_»")
        .arg(LongitudMaximaCodigo);
}

QString MotivoCodigoRepetido(int primero) {
    return QStringLiteral("ya es el del artículo nº %1").arg(primero + 1);
}

QString CadenaCiclo(const QStringList& ciclo) {
    return ciclo.join(QStringLiteral(" → "));
}

namespace {

void ComprobarArticulo(const Proyecto& proyecto, int indice, TipoLotificacion metodo,
                       const QHash<QString, int>& primeros,
                       std::vector<RechazoProyecto>& rechazos) {
    const ArticuloProyecto& articulo = proyecto.Articulos[std::size_t(indice)];
    const auto rechazar = [&](const QString& motivo) {
        rechazos.push_back(
            {indice,
             QStringLiteral("Artículo %1: ").arg(NombreArticulo(proyecto, indice)) + motivo});
    };

    if (!CodigoValido(articulo.Codigo))
        rechazar(QStringLiteral("el código ") + MotivoCodigoNoValido());
    else if (const int primero = primeros.value(articulo.Codigo); primero != indice)
        rechazar(QStringLiteral("el código ") + MotivoCodigoRepetido(primero));
    if (!TiempoSuministroValido(articulo.Datos.TS))
        rechazar(QStringLiteral("el tiempo de suministro ha de ser 0 o más"));
    if (!(articulo.Datos.SS >= 0))
        rechazar(QStringLiteral("el stock de seguridad ha de ser 0 o más"));
    if (!BuscarMetodo(metodo)) {
        rechazar(QStringLiteral("la lotificación ha de ser un código de 0 a %1")
                     .arg(MetodosLotificacion.size() - 1));
    } else if (ExigeCostes(metodo) && (articulo.Datos.CE == 0 || articulo.Datos.CP == 0)) {
        rechazar(QStringLiteral("«%1» necesita costes de emisión y posesión distintos de 0")
                     .arg(TextoLotificacion(metodo)));
    } else if (metodo == LotificacionOptimo &&
               !CostesComparables(articulo.Datos.CE, articulo.Datos.CP)) {
        rechazar(AvisoCostesNoComparables);
    }

    const std::vector<Componente>& componentes = articulo.Componentes;
    for (auto componente = componentes.begin(); componente != componentes.end(); ++componente) {
        const auto rechazarComponente = [&](const QString& motivo) {
            rechazar(QStringLiteral("el componente «%1» ").arg(componente->Codigo) + motivo);
        };
        if (!primeros.contains(componente->Codigo))
            rechazarComponente(QStringLiteral("no es ningún artículo del proyecto"));
        if (std::any_of(componentes.begin(), componente, [&](const Componente& antes) {
                return antes.Codigo == componente->Codigo;
            }))
            rechazarComponente(QStringLiteral("está más de una vez en la lista"));
        if (!(componente->Cantidad > 0))
            rechazarComponente(QStringLiteral("ha de llevar una cantidad mayor que 0"));
    }
}

} // namespace

std::vector<RechazoProyecto> RechazosPorArticulo(const Proyecto& proyecto,
                                                 std::optional<TipoLotificacion> metodoComun) {
    std::vector<RechazoProyecto> rechazos;
    if (!PeriodosCalculables(proyecto.N)) rechazos.push_back({-1, AvisoPeriodos});

    const QHash<QString, int> primeros = IndicesPorCodigo(proyecto);

    for (std::size_t i = 0; i < proyecto.Articulos.size(); ++i)
        ComprobarArticulo(proyecto, int(i),
                          metodoComun.value_or(proyecto.Articulos[i].Datos.Metodo), primeros,
                          rechazos);

    if (const std::optional<QStringList> ciclo = BuscarCiclo(proyecto))
        rechazos.push_back(
            {IndiceArticulo(proyecto, ciclo->front()),
             QStringLiteral("La estructura tiene un ciclo: ") + CadenaCiclo(*ciclo)});
    return rechazos;
}

QStringList RechazosProyecto(const Proyecto& proyecto,
                             std::optional<TipoLotificacion> metodoComun) {
    QStringList textos;
    for (const RechazoProyecto& rechazo : RechazosPorArticulo(proyecto, metodoComun))
        textos << rechazo.Texto;
    return textos;
}
