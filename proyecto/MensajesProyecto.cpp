// The project window's status bar texts.
#include "MensajesProyecto.h"

#include "Numeros.h"

#include <QDir>
#include <QStringList>

#include <algorithm>

QString MensajeProyectoNuevo() {
    return QStringLiteral("Proyecto nuevo");
}

QString MensajeProyectoAbierto(const QString& fichero) {
    return QStringLiteral("Proyecto abierto: ") + QDir::toNativeSeparators(fichero);
}

QString MensajeEjemploAbierto() {
    return QStringLiteral("Abierto el proyecto de ejemplo: una mesa, su tablero, sus patas y las "
                          "barras de madera de las patas");
}

QString MensajeProyectoGuardado(const QString& fichero) {
    return QStringLiteral("Proyecto guardado en ") + QDir::toNativeSeparators(fichero);
}

QString MensajeProyectoDeProblema(const QString& codigo) {
    return QStringLiteral("Proyecto de un artículo, «%1», hecho con el problema de la ventana "
                          "principal")
        .arg(codigo);
}

QString MensajeProyectoCalculado(const ResultadoProyecto& resultado) {
    const auto articulos = qsizetype(resultado.Articulos.size());
    int niveles = 0;
    for (const PlanArticulo& plan : resultado.Articulos)
        niveles = std::max(niveles, plan.Nivel + 1);
    return QStringLiteral("Proyecto calculado: %1 %2 en %3 %4, coste total %5")
        .arg(articulos)
        .arg(articulos == 1 ? QStringLiteral("artículo") : QStringLiteral("artículos"))
        .arg(niveles)
        .arg(niveles == 1 ? QStringLiteral("nivel") : QStringLiteral("niveles"))
        .arg(FloatToStr(resultado.CosteTotal));
}

QString TextoRechazosProyecto(const std::vector<RechazoProyecto>& rechazos) {
    // A box with more lines than these would not fit the screen; the tree marks every one.
    constexpr std::size_t Mostrados = 12;
    QStringList lineas{QStringLiteral("No se puede calcular el proyecto:")};
    for (std::size_t r = 0; r < rechazos.size() && r < Mostrados; ++r) lineas << rechazos[r].Texto;
    if (rechazos.size() > Mostrados)
        lineas << QStringLiteral("… y %1 más, en rojo en la estructura.")
                      .arg(rechazos.size() - Mostrados);
    return lineas.join(u'\n');
}

QString MensajeEdicion(Sentido sentido, const QString& edicion) {
    switch (sentido) {
    case Sentido::Hecho:
        return QStringLiteral("Hecho: ") + edicion;
    case Sentido::Deshecho:
        return QStringLiteral("Deshecho: ") + edicion;
    case Sentido::Rehecho:
        return QStringLiteral("Rehecho: ") + edicion;
    }
    return edicion;
}

QString MensajeCeldaCalculada() {
    return QStringLiteral("Esta celda se calcula: se escriben la demanda independiente (DI), las "
                          "recepciones programadas (RP) y el stock inicial (D del período 1)");
}

QString MensajeResultadoAnterior() {
    return QStringLiteral("Resultado anterior a los últimos cambios: pulse «Calcular»");
}

QString MensajeSinCalcular() {
    return QStringLiteral("Pulse «Calcular» para ver el registro de cada artículo");
}
