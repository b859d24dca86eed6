// The summary, the policies and the structure written as texts.
#include "TextosProyecto.h"

#include "Ansi.h"
#include "EstructuraProyecto.h"
#include "Numeros.h"
#include "TextosLotificacion.h"

QString TextoMetodoUsado(const PlanArticulo& plan) {
    if (!plan.Planificado) return QStringLiteral("Sin necesidades brutas");
    return TextoLotificacion(plan.Metodo);
}

QStringList CabeceraResumen() {
    return {QStringLiteral("Artículo"),          QStringLiteral("Nivel"),
            QStringLiteral("Lotificación"),      QStringLiteral("Coste de emisión"),
            QStringLiteral("Coste de posesión"), QStringLiteral("Coste total")};
}

std::vector<QStringList> FilasResumen(const Proyecto& proyecto,
                                      const ResultadoProyecto& resultado) {
    std::vector<QStringList> filas;
    for (const int i : resultado.OrdenCalculo) {
        const PlanArticulo& plan = resultado.Articulos[std::size_t(i)];
        filas.push_back({proyecto.Articulos[std::size_t(i)].Codigo, QString::number(plan.Nivel),
                         TextoMetodoUsado(plan), FloatToStr(plan.CosteEmision),
                         FloatToStr(plan.CostePosesion), FloatToStr(plan.CosteTotal)});
    }
    filas.push_back({TextoTotalProyecto, QString(), QString(), FloatToStr(resultado.CosteEmision),
                     FloatToStr(resultado.CostePosesion), FloatToStr(resultado.CosteTotal)});
    return filas;
}

QByteArray TextoResumen(const Proyecto& proyecto, const ResultadoProyecto& resultado) {
    const QString finLinea = QStringLiteral("\r\n");
    QString texto = CabeceraResumen().join(u'\t') + finLinea;
    for (const QStringList& fila : FilasResumen(proyecto, resultado))
        texto += fila.join(u'\t') + finLinea;
    return AAnsi(texto);
}

QString TextoPolitica(const PoliticaProyecto& politica) {
    if (!politica.Metodo) return QStringLiteral("La lotificación de cada artículo");
    return TextoLotificacion(*politica.Metodo);
}

QStringList CabeceraPoliticas() {
    return {QStringLiteral("Política"), QStringLiteral("Coste total"),
            QStringLiteral("Coste de emisión"), QStringLiteral("Coste de posesión")};
}

std::vector<QStringList> FilasPoliticas(const std::vector<PoliticaProyecto>& politicas) {
    std::vector<QStringList> filas;
    for (const PoliticaProyecto& politica : politicas) {
        if (politica.Fallo.isEmpty())
            filas.push_back({TextoPolitica(politica), FloatToStr(politica.CosteTotal),
                             FloatToStr(politica.CosteEmision),
                             FloatToStr(politica.CostePosesion)});
        else
            filas.push_back({TextoPolitica(politica), politica.Fallo, QString(), QString()});
    }
    return filas;
}

std::vector<LineaEstructura> LineasEstructura(const Proyecto& proyecto,
                                              const ResultadoProyecto& resultado) {
    const QHash<QString, int> indices = IndicesPorCodigo(proyecto);
    std::vector<LineaEstructura> lineas;
    std::vector<bool> desglosado(proyecto.Articulos.size(), false);
    // Depth first, kept on the heap like the search for cycles.
    std::vector<LineaEstructura> pendientes;
    for (std::size_t raiz = proyecto.Articulos.size(); raiz-- > 0;)
        if (resultado.Articulos[raiz].Nivel == 0) pendientes.push_back({0, int(raiz), {}, false});
    while (!pendientes.empty()) {
        LineaEstructura linea = pendientes.back();
        pendientes.pop_back();
        const std::vector<Componente>& componentes =
            proyecto.Articulos[std::size_t(linea.Articulo)].Componentes;
        linea.Repetido = desglosado[std::size_t(linea.Articulo)] && !componentes.empty();
        lineas.push_back(linea);
        if (linea.Repetido) continue;
        desglosado[std::size_t(linea.Articulo)] = true;
        for (auto c = componentes.rbegin(); c != componentes.rend(); ++c)
            pendientes.push_back(
                {linea.Profundidad + 1, indices.value(c->Codigo), c->Cantidad, false});
    }
    return lineas;
}
