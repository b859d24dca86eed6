// Between the one-item problem files and projects.
#include "ProyectoYProblema.h"

#include "FicheroProblema.h"
#include "FicheroProyecto.h"
#include "Numeros.h"
#include "RegistroTextos.h"
#include "ResultadoArticuloProyecto.h"

#include <QFileInfo>

QString CodigoDeNombre(const QString& ruta) {
    QString codigo = QFileInfo(ruta).completeBaseName().left(LongitudMaximaCodigo);
    for (QChar& c : codigo)
        if (!CodigoValido(QString(c))) c = u'_';
    return codigo.isEmpty() ? QStringLiteral("ARTICULO") : codigo;
}

Proyecto ProyectoDeArticulo(const Articulo& articulo, const QString& codigo,
                            const QString& descripcion) {
    Proyecto proyecto;
    proyecto.N = articulo.N;
    proyecto.Redondear = articulo.Redondear;
    ArticuloProyecto unico;
    unico.Codigo = codigo;
    unico.Descripcion = descripcion;
    unico.Datos = articulo;
    unico.DemandaIndependiente = articulo.Entrada.NB;
    proyecto.Articulos.push_back(std::move(unico));
    return proyecto;
}

std::optional<Proyecto> ProyectoDeProblema(const QString& ruta, const OpcionesFichero& opciones,
                                           const Avisar& avisar) {
    const std::optional<Articulo> articulo = ArticuloDeFichero(ruta, opciones, avisar);
    if (!articulo) return std::nullopt;
    return ProyectoDeArticulo(*articulo, CodigoDeNombre(ruta), QFileInfo(ruta).fileName());
}

std::optional<Proyecto> AbrirComoProyecto(const QString& ruta, const OpcionesFichero& opciones,
                                          const Avisar& avisar) {
    if (!EsFicheroProyecto(ruta)) return ProyectoDeProblema(ruta, opciones, avisar);
    Proyecto proyecto = AbrirProyecto(ruta);
    if (!opciones.Redondear) proyecto.Redondear = false;
    return proyecto;
}

QByteArray ProblemaDelArticulo(const Proyecto& proyecto, const ResultadoProyecto& resultado,
                               int indice) {
    const Articulo articulo = ArticuloPlanificado(proyecto, resultado, indice);
    TextosProblema textos;
    textos.NPeriodos = QString::number(articulo.N);
    textos.TS = QString::number(articulo.TS);
    textos.SS = QString::number(articulo.SS, 'f', 0); // the window reads an integer
    textos.CE = FloatToStr(articulo.CE);
    textos.CP = FloatToStr(articulo.CP);
    textos.Metodo = EsItemRadio(articulo.Metodo) ? articulo.Metodo : -1;
    TextosCelda celdas;
    for (std::int32_t t = 1; t <= articulo.N; ++t) {
        celdas.PonerCelda(t, FilaNB, TextoEntrada(articulo.Entrada.NB[t]));
        celdas.PonerCelda(t, FilaRP, TextoEntrada(articulo.Entrada.RP[t]));
    }
    celdas.PonerCelda(1, FilaD, TextoEntrada(articulo.Entrada.D[1]));
    return TextoProblema(textos, celdas);
}
