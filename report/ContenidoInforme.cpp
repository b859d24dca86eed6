// The report's sections, from the calculation when there is one and from the texts otherwise.
#include "ContenidoInforme.h"

#include "ArticuloDeTextos.h"
#include "GraficosCalculo.h"
#include "Numeros.h"
#include "Redaccion.h"
#include "RegistroTextos.h"
#include "RotulosCampos.h"
#include "RoturasCalculo.h"
#include "SiNo.h"
#include "TextosComparacion.h"
#include "TextosExplicacion.h"
#include "TextosLotificacion.h"

#include <QFileInfo>

#include <algorithm>
#include <exception>

namespace {

// The parameters under the captions of the window's fields.
SeccionDatos Parametros(const QString& N, const QString& TS, const QString& SS, const QString& CE,
                        const QString& CP, const QString& lotificacion, bool redondear) {
    return {QStringLiteral("Datos del problema"),
            {{RotuloNPeriodos, N},
             {RotuloTS, TS},
             {RotuloSS, SS},
             {RotuloCE, CE},
             {RotuloCP, CP},
             {RotuloLotificacion, lotificacion},
             {RotuloRedondear, SiNo(redondear)}}};
}

// The key of the record's rows shown, one line under its table.
QString Leyenda(int filas) {
    QStringList significados;
    for (int f = 0; f < filas; ++f) significados << SignificadosRegistro()[std::size_t(f)];
    return significados.join(QStringLiteral("; ")) + QStringLiteral(".");
}

// Under the comparison: which plans run short, those with the same periods together, and why
// those that run short after the lead time are not ranked.
QStringList NotasRoturas(const ComparacionMetodos& comparacion,
                         const std::vector<TextosFilaComparacion>& textos) {
    std::vector<std::pair<QString, QStringList>> grupos; // the periods, and the plans
    bool descartados = false;
    for (std::size_t f = 0; f < textos.size(); ++f) {
        if (textos[f].Roturas.isEmpty()) continue;
        const QString periodos =
            (comparacion.Filas[f].PeriodosConRotura.size() == 1 ? QStringLiteral("el período ")
                                                                : QStringLiteral("los períodos ")) +
            textos[f].Roturas;
        auto grupo = std::find_if(grupos.begin(), grupos.end(),
                                  [&](const auto& g) { return g.first == periodos; });
        if (grupo == grupos.end()) grupo = grupos.insert(grupos.end(), {periodos, {}});
        grupo->second << textos[f].Celdas.first();
        descartados = descartados || comparacion.Filas[f].ConRoturas;
    }
    QStringList notas;
    for (const auto& [periodos, planes] : grupos)
        notas << QStringLiteral("%1: rotura en %2.").arg(redaccion::Enumeracion(planes), periodos);
    if (descartados)
        notas << QStringLiteral("Un plan «%1» tiene roturas después del plazo de suministro: su "
                                "coste de posesión negativo no es un ahorro, así que no cuenta "
                                "como el más barato ni se compara con el óptimo.")
                     .arg(TextoConRoturas);
    else if (!notas.isEmpty())
        notas << QStringLiteral("Las roturas dentro del plazo de suministro no las evita ningún "
                                "plan: no impiden comparar.");
    return notas;
}

// The comparison's table, the cheapest methods in bold, and its chart; or why it was refused.
void Comparacion(const ResultadoCalculo& calculo, int decimales, ContenidoInforme& informe) {
    const QString titulo = QStringLiteral("Comparación de métodos");
    if (!calculo.Comparacion.Rechazo.empty()) {
        informe.Secciones.push_back(
            SeccionTexto{titulo, {QString::fromStdString(calculo.Comparacion.Rechazo)}});
        return;
    }
    SeccionTabla comparacion;
    comparacion.Titulo = titulo;
    comparacion.Cabecera = CabeceraComparacion();
    const std::vector<TextosFilaComparacion> textos =
        TextosComparacion(calculo.Comparacion, decimales);
    for (const TextosFilaComparacion& fila : textos) {
        comparacion.Filas.push_back(fila.Celdas);
        comparacion.FilasDestacadas.push_back(fila.MasBarato);
    }
    comparacion.Notas = NotasRoturas(calculo.Comparacion, textos);
    informe.Secciones.push_back(std::move(comparacion));
    informe.Secciones.push_back(SeccionGrafico{QString(), GraficoComparacion(calculo.Comparacion)});
}

// Leaves out the columns after the first that none of the rows a short form keeps fills in.
void QuitarColumnasVacias(SeccionTabla& tabla) {
    for (qsizetype c = tabla.Cabecera.size() - 1; c >= 1; --c) {
        bool vacia = true;
        for (std::size_t f = 0; f < tabla.Filas.size() && vacia; ++f)
            vacia = (f < tabla.FilasUnidas.size() && tabla.FilasUnidas[f]) ||
                    tabla.Filas[f].value(c).isEmpty();
        if (!vacia) continue;
        tabla.Cabecera.removeAt(c);
        for (std::size_t f = 0; f < tabla.Filas.size(); ++f)
            if (!(f < tabla.FilasUnidas.size() && tabla.FilasUnidas[f]) &&
                c < tabla.Filas[f].size())
                tabla.Filas[f].removeAt(c);
        if (std::size_t(c) < tabla.ColumnasDeTexto.size())
            tabla.ColumnasDeTexto.erase(tabla.ColumnasDeTexto.begin() + c);
        for (auto& [fila, columna] : tabla.CeldasDestacadas)
            if (columna > std::size_t(c)) --columna;
    }
}

// A block's table as the report shows it: the runs of rows it may leave out, each summed up in
// a line across the table in its place.
SeccionTabla TablaResumida(const QString& titulo, const BloqueExplicacion& bloque) {
    SeccionTabla tabla;
    tabla.Titulo = titulo;
    tabla.Cabecera = bloque.Cabecera;
    tabla.ColumnasDeTexto = bloque.DeTexto;
    auto omitible = bloque.Omitibles.begin();
    std::vector<std::size_t> nuevaFila(bloque.Filas.size(), 0);
    for (std::size_t f = 0; f < bloque.Filas.size();) {
        if (omitible != bloque.Omitibles.end() && omitible->Desde == f) {
            if (!omitible->Resumen.isEmpty()) {
                tabla.Filas.push_back({omitible->Resumen});
                tabla.FilasDestacadas.push_back(false);
                tabla.FilasUnidas.resize(tabla.Filas.size(), false);
                tabla.FilasUnidas.back() = true;
            }
            f = omitible->Hasta;
            ++omitible;
            continue;
        }
        nuevaFila[f] = tabla.Filas.size();
        tabla.Filas.push_back(bloque.Filas[f]);
        tabla.FilasDestacadas.push_back(f < bloque.Destacadas.size() && bloque.Destacadas[f]);
        ++f;
    }
    if (!tabla.FilasUnidas.empty()) tabla.FilasUnidas.resize(tabla.Filas.size(), false);
    for (const auto& [fila, columna] : bloque.CeldasDestacadas) {
        const bool omitida = std::any_of(
            bloque.Omitibles.begin(), bloque.Omitibles.end(),
            [fila = fila](const FilasOmitibles& o) { return fila >= o.Desde && fila < o.Hasta; });
        if (!omitida) tabla.CeldasDestacadas.emplace_back(nuevaFila[fila], columna);
    }
    if (!bloque.Omitibles.empty()) QuitarColumnasVacias(tabla);
    return tabla;
}

// Each block of the explanation as the sections it needs: its heading over its paragraphs, or
// over its table when it has none, and its notes below.
void Explicacion(const ResultadoCalculo& calculo, int decimales, ContenidoInforme& informe) {
    informe.Secciones.push_back(SeccionTexto{
        QStringLiteral("Explicación del cálculo"),
        {QStringLiteral("Cómo se obtuvo el plan, decisión a decisión; las filas elegidas, en "
                        "negrita. De las búsquedas largas se muestran los candidatos hasta el "
                        "elegido y donde se detuvo; el panel «Explicación del cálculo» los "
                        "muestra todos.")}});
    for (const BloqueExplicacion& bloque : TextosExplicacion(calculo, decimales)) {
        QString titulo = bloque.Titulo;
        if (!bloque.Parrafos.isEmpty()) {
            informe.Secciones.push_back(SeccionTexto{titulo, bloque.Parrafos});
            titulo.clear();
        }
        if (!bloque.Cabecera.isEmpty()) {
            informe.Secciones.push_back(TablaResumida(titulo, bloque));
            titulo.clear();
        }
        if (!bloque.Notas.isEmpty() || !titulo.isEmpty())
            informe.Secciones.push_back(SeccionTexto{titulo, bloque.Notas});
    }
}

void Calculado(const EntradaInforme& entrada, ContenidoInforme& informe) {
    const ResultadoCalculo& calculo = *entrada.Calculo;
    const Articulo& p = calculo.Problema;
    if (entrada.DatosCambiados)
        informe.Secciones.push_back(SeccionTexto{
            QStringLiteral("Aviso"),
            {QStringLiteral("Los datos de la ventana han cambiado después del último cálculo: "
                            "este informe muestra ese cálculo.")}});
    if (entrada.ConDatos)
        informe.Secciones.push_back(DatosDelProblema(p, TextoLotificacionCalculada(calculo)));

    if (entrada.ConRegistro) {
        const int filas = entrada.Problema.VerCostes ? FilasRegistro : FilasRegistroSinCostes;
        SeccionTabla rejilla;
        rejilla.Titulo = QStringLiteral("Registro MRP");
        rejilla.Cabecera = CabeceraRegistro(p.N, true);
        rejilla.Filas =
            FilasConEtiqueta(calculo.Tabla, calculo.Costes, p.N, filas, entrada.Decimales);
        rejilla.UltimaColumnaDestacada = true;
        rejilla.Notas << Leyenda(filas);
        if (const QString roturas = MensajeRoturas(RoturasDelCalculo(calculo)); !roturas.isEmpty())
            rejilla.Notas << roturas + QStringLiteral(".");
        informe.Secciones.push_back(std::move(rejilla));
        informe.Secciones.push_back(
            SeccionDestacada{QStringLiteral("Coste total: ") +
                             CifraLegible(calculo.CosteTotal(), entrada.Decimales)});
    }
    if (entrada.ConGrafico)
        informe.Secciones.push_back(SeccionGrafico{QStringLiteral("Gráfico del plan"),
                                                   GraficoPlan(calculo, entrada.Decimales)});

    if (entrada.ConComparacion) Comparacion(calculo, entrada.Decimales, informe);
    if (entrada.ConExplicacion) Explicacion(calculo, entrada.Decimales, informe);
}

// The inputs as typed: the fields, and the grid's NB and RP rows with the initial stock.
void SinCalcular(const EntradaInforme& entrada, ContenidoInforme& informe) {
    const TextosProblema& t = entrada.Problema;
    informe.Secciones.push_back(SeccionTexto{
        QStringLiteral("Sin calcular"),
        {QStringLiteral(
            "Todavía no se ha calculado nada: el informe muestra solo los datos del problema.")}});
    const QString lotificacion = TextoLotificacion(t.Metodo);
    if (entrada.ConDatos)
        informe.Secciones.push_back(Parametros(
            t.NPeriodos, t.TS, t.SS, t.CE, t.CP,
            lotificacion.isEmpty() ? QStringLiteral("Ninguna") : lotificacion, t.Redondear));

    const std::optional<RejillaTecleada> tecleada = RejillaDeTextos(t, entrada.Celdas);
    if (!tecleada || !entrada.ConRegistro) return;
    const auto& etiquetas = EtiquetasRegistro();
    QStringList D{etiquetas[1], tecleada->D1};
    for (int c = 2; c <= tecleada->N; ++c) D << QString();
    SeccionTabla rejilla;
    rejilla.Titulo = QStringLiteral("Datos de la rejilla");
    rejilla.Cabecera = CabeceraRegistro(tecleada->N, false);
    rejilla.Filas = {QStringList{etiquetas[0]} + tecleada->NB, D,
                     QStringList{etiquetas[2]} + tecleada->RP};
    informe.Secciones.push_back(std::move(rejilla));
}

} // namespace

QStringList CabeceraRegistro(int N, bool despues) {
    QStringList cabecera{QString()};
    for (int k = 1; k <= N; ++k) cabecera << QString::number(k);
    if (despues) cabecera << QString();
    return cabecera;
}

ContenidoInforme ConstruirInforme(const EntradaInforme& entrada) {
    ContenidoInforme informe;
    informe.Titulo = TituloInforme;
    if (!entrada.FicheroProblema.isEmpty())
        informe.Subtitulo =
            QStringLiteral("Problema: ") + QFileInfo(entrada.FicheroProblema).fileName();
    for (const LineaPortada& linea : LineasPortada)
        if (const QString valor = (entrada.*linea.Valor).trimmed(); !valor.isEmpty())
            informe.Portada.emplace_back(QString::fromUtf8(linea.Texto) + u':', valor);
    if (entrada.Calculo)
        Calculado(entrada, informe);
    else
        SinCalcular(entrada, informe);
    return informe;
}

SeccionDatos DatosDelProblema(const Articulo& p, const QString& lotificacion) {
    return Parametros(QString::number(p.N), QString::number(p.TS), FloatToStr(p.SS),
                      FloatToStr(p.CE), FloatToStr(p.CP), lotificacion, p.Redondear);
}
