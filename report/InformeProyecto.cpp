// The report's sections for a project.
#include "InformeProyecto.h"

#include "EstructuraProyecto.h"
#include "GraficosCalculo.h"
#include "Numeros.h"
#include "RegistroTextos.h"
#include "ResultadoArticuloProyecto.h"
#include "TextosLotificacion.h"
#include "TextosProyecto.h"

#include <QFileInfo>

namespace {

// A depth of the indented list: wide blanks, which no layout collapses.
const QString Sangria = QStringLiteral("\u2003\u2003");

QString SiNo(bool valor) {
    return valor ? QStringLiteral("Sí") : QStringLiteral("No");
}

QString Lista(const QStringList& elementos) {
    return elementos.isEmpty() ? QStringLiteral("Ninguno") : elementos.join(QStringLiteral(", "));
}

SeccionDatos DatosProyecto(const Proyecto& proyecto, const ResultadoProyecto& resultado) {
    const QString lotificacion =
        resultado.MetodoComun
            ? TextoLotificacion(*resultado.MetodoComun) + QStringLiteral(" en todos los artículos")
            : QStringLiteral("La de cada artículo");
    return {QStringLiteral("Datos del proyecto"),
            {{QStringLiteral("Nº períodos:"), QString::number(proyecto.N)},
             {QStringLiteral("Artículos:"), QString::number(proyecto.Articulos.size())},
             {QStringLiteral("Lotificación:"), lotificacion},
             {QStringLiteral("Redondear:"), SiNo(proyecto.Redondear)}}};
}

SeccionTabla Estructura(const Proyecto& proyecto, const ResultadoProyecto& resultado) {
    SeccionTabla tabla;
    tabla.Titulo = QStringLiteral("Estructura del producto");
    tabla.Cabecera = {QStringLiteral("Artículo"), QStringLiteral("Descripción"),
                      QStringLiteral("Cantidad"), QStringLiteral("Nivel")};
    tabla.ColumnasDeTexto = {true, true, false, false};
    for (const LineaEstructura& linea : LineasEstructura(proyecto, resultado)) {
        const ArticuloProyecto& articulo = proyecto.Articulos[std::size_t(linea.Articulo)];
        QString codigo = Sangria.repeated(linea.Profundidad) + articulo.Codigo;
        if (linea.Repetido) codigo += QStringLiteral(" (desglosado antes)");
        tabla.Filas.push_back(
            {codigo, articulo.Descripcion, linea.Cantidad ? FloatToStr(*linea.Cantidad) : QString(),
             QString::number(resultado.Articulos[std::size_t(linea.Articulo)].Nivel)});
    }
    return tabla;
}

void Costes(const ResultadoProyecto& resultado, ContenidoInforme& informe) {
    informe.Secciones.push_back(SeccionDatos{
        QStringLiteral("Costes del proyecto"),
        {{QStringLiteral("Coste de emisión:"), FloatToStr(resultado.CosteEmision)},
         {QStringLiteral("Coste de posesión:"), FloatToStr(resultado.CostePosesion)}}});
    informe.Secciones.push_back(SeccionDestacada{QStringLiteral("Coste total del proyecto: ") +
                                                 FloatToStr(resultado.CosteTotal)});
}

SeccionTabla Resumen(const Proyecto& proyecto, const ResultadoProyecto& resultado) {
    SeccionTabla tabla;
    tabla.Titulo = QStringLiteral("Resumen por artículo");
    tabla.Cabecera = CabeceraResumen();
    tabla.Filas = FilasResumen(proyecto, resultado);
    tabla.FilasDestacadas.assign(tabla.Filas.size(), false);
    tabla.FilasDestacadas.back() = true; // the project's totals
    tabla.ColumnasDeTexto = {true, false, true};
    return tabla;
}

void Politicas(const std::vector<PoliticaProyecto>& politicas, ContenidoInforme& informe) {
    informe.Secciones.push_back(SeccionTexto{
        QStringLiteral("Políticas comparadas"),
        {QStringLiteral("El proyecto explotado de nuevo con una misma lotificación para todos sus "
                        "artículos, y con la de cada uno; en negrita, la más barata.")}});
    SeccionTabla tabla;
    tabla.Cabecera = CabeceraPoliticas();
    tabla.Filas = FilasPoliticas(politicas);
    for (const PoliticaProyecto& politica : politicas)
        tabla.FilasDestacadas.push_back(politica.MasBarata);
    informe.Secciones.push_back(std::move(tabla));
}

// "Mejor de las anteriores: POQ" after the best-of choice, else the method alone.
QString Lotificacion(const ResultadoCalculo& calculo, const PlanArticulo& plan) {
    const QString usado = TextoMetodoUsado(plan);
    if (plan.Planificado && calculo.Problema.Metodo != plan.Metodo)
        return TextoLotificacion(calculo.Problema.Metodo) + QStringLiteral(": ") + usado;
    return usado;
}

void SeccionesArticulo(const Proyecto& proyecto, const ResultadoProyecto& resultado,
                       const std::vector<QStringList>& usos, int indice, bool verCostes,
                       ContenidoInforme& informe) {
    const ArticuloProyecto& articulo = proyecto.Articulos[std::size_t(indice)];
    const PlanArticulo& plan = resultado.Articulos[std::size_t(indice)];
    const ResultadoCalculo calculo = ResultadoDelArticulo(proyecto, resultado, indice);
    const Articulo& p = calculo.Problema;

    QStringList componentes;
    for (const Componente& componente : articulo.Componentes)
        componentes << QStringLiteral("%1 × %2").arg(componente.Codigo,
                                                     FloatToStr(componente.Cantidad));
    QString titulo = QStringLiteral("Artículo ") + articulo.Codigo;
    if (!articulo.Descripcion.isEmpty()) titulo += QStringLiteral(": ") + articulo.Descripcion;
    informe.Secciones.push_back(
        SeccionDatos{titulo,
                     {{QStringLiteral("Nivel:"), QString::number(plan.Nivel)},
                      {QStringLiteral("Lotificación:"), Lotificacion(calculo, plan)},
                      {QStringLiteral("Tiempo de suministro:"), QString::number(p.TS)},
                      {QStringLiteral("Stock de seguridad:"), FloatToStr(p.SS)},
                      {QStringLiteral("Coste de emisión:"), FloatToStr(p.CE)},
                      {QStringLiteral("Coste de posesión:"), FloatToStr(p.CP)},
                      {QStringLiteral("Stock inicial:"), FloatToStr(p.Entrada.D[1])},
                      {QStringLiteral("Componentes:"), Lista(componentes)},
                      {QStringLiteral("Componente de:"), Lista(usos[std::size_t(indice)])}}});

    SeccionTabla registro;
    registro.Titulo = QStringLiteral("Registro MRP de ") + articulo.Codigo;
    registro.Cabecera = CabeceraRegistro(p.N, true);
    registro.Filas = FilasConEtiqueta(calculo.Tabla, calculo.Costes, p.N,
                                      verCostes ? FilasRegistro : FilasRegistroSinCostes);
    registro.UltimaColumnaDestacada = true;
    informe.Secciones.push_back(std::move(registro));
    if (!plan.Planificado) {
        informe.Secciones.push_back(SeccionTexto{
            QString(), {QStringLiteral("Sus necesidades brutas suman 0: no se planifica.")}});
        return;
    }
    informe.Secciones.push_back(SeccionDestacada{
        QStringLiteral("Coste total de %1: %2").arg(articulo.Codigo, FloatToStr(plan.CosteTotal))});
    informe.Secciones.push_back(SeccionGrafico{
        QStringLiteral("Gráfico del plan de ") + articulo.Codigo, GraficoPlan(calculo)});
}

// For every item, the parents that list it: "MESA × 4".
std::vector<QStringList> Usos(const Proyecto& proyecto) {
    std::vector<QStringList> usos(proyecto.Articulos.size());
    const QHash<QString, int> indices = IndicesPorCodigo(proyecto);
    for (const ArticuloProyecto& padre : proyecto.Articulos)
        for (const Componente& componente : padre.Componentes)
            usos[std::size_t(indices.value(componente.Codigo))]
                << QStringLiteral("%1 × %2").arg(padre.Codigo, FloatToStr(componente.Cantidad));
    return usos;
}

} // namespace

ContenidoInforme ConstruirInformeProyecto(const Proyecto& proyecto,
                                          const ResultadoProyecto& resultado,
                                          const std::vector<PoliticaProyecto>& politicas,
                                          const OpcionesInformeProyecto& opciones) {
    ContenidoInforme informe;
    informe.Titulo = TituloInformeProyecto;
    if (!opciones.FicheroProyecto.isEmpty())
        informe.Subtitulo =
            QStringLiteral("Proyecto: ") + QFileInfo(opciones.FicheroProyecto).fileName();
    informe.Secciones.push_back(DatosProyecto(proyecto, resultado));
    informe.Secciones.push_back(Estructura(proyecto, resultado));
    Costes(resultado, informe);
    informe.Secciones.push_back(Resumen(proyecto, resultado));
    Politicas(politicas, informe);
    const std::vector<QStringList> usos = Usos(proyecto);
    for (const int indice : resultado.OrdenCalculo)
        SeccionesArticulo(proyecto, resultado, usos, indice, opciones.VerCostes, informe);
    return informe;
}
