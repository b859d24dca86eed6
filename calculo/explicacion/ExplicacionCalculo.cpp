// Planning with the method's explanation listening.
#include "ExplicacionCalculo.h"

#include "ExplicacionManual.h"
#include "LotificaUnit.h"

ExplicacionCalculo LotificarExplicando(const Articulo& articulo, TTablaMRP& tabla,
                                       TipoLotificacion& metodo) {
    ExplicacionCalculo explicacion;
    const TipoLotificacion pedido = metodo;
    std::unique_ptr<ExplicacionMetodo> decisiones = NuevaExplicacion(pedido);
    if (!decisiones) { // a code that names no method plans nothing
        Lotificar(pedido, articulo, tabla, metodo);
        return explicacion;
    }
    Lotificar(pedido, articulo, tabla, metodo, *decisiones);
    decisiones->Terminar(articulo, metodo);
    explicacion.Metodo = metodo;
    explicacion.Decisiones = std::move(decisiones);
    return explicacion;
}

ExplicacionCalculo ReproyectarExplicando(const Articulo& articulo, TTablaMRP& tabla) {
    auto decisiones = std::make_unique<ExplicacionManual>();
    Reproyectar<ObservadorRegistro>(articulo, tabla, *decisiones);
    ExplicacionCalculo explicacion;
    explicacion.Decisiones = std::move(decisiones);
    return explicacion;
}
