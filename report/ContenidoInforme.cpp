// The report's sections, from the calculation when there is one and from the texts otherwise.
#include "ContenidoInforme.h"

#include "ArticuloDeTextos.h"
#include "GraficosCalculo.h"
#include "Numeros.h"
#include "RegistroTextos.h"
#include "RotulosCampos.h"
#include "SiNo.h"
#include "TextosComparacion.h"
#include "TextosExplicacion.h"
#include "TextosLotificacion.h"

#include <QFileInfo>

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

// The comparison's table, the cheapest methods in bold, and its chart; or why it was refused.
void Comparacion(const ResultadoCalculo& calculo, ContenidoInforme& informe) {
    const QString titulo = QStringLiteral("Comparación de métodos");
    if (!calculo.Comparacion.Rechazo.empty()) {
        informe.Secciones.push_back(
            SeccionTexto{titulo, {QString::fromStdString(calculo.Comparacion.Rechazo)}});
        return;
    }
    SeccionTabla comparacion;
    comparacion.Titulo = titulo;
    comparacion.Cabecera = CabeceraComparacion();
    for (TextosFilaComparacion& fila : TextosComparacion(calculo.Comparacion)) {
        comparacion.Filas.push_back(std::move(fila.Celdas));
        comparacion.FilasDestacadas.push_back(fila.MasBarato);
    }
    informe.Secciones.push_back(std::move(comparacion));
    informe.Secciones.push_back(SeccionGrafico{QString(), GraficoComparacion(calculo.Comparacion)});
}

// Each block of the explanation as the sections it needs: its heading over its paragraphs, or
// over its table when it has none, and its notes below.
void Explicacion(const ResultadoCalculo& calculo, ContenidoInforme& informe) {
    informe.Secciones.push_back(SeccionTexto{
        QStringLiteral("Explicación del cálculo"),
        {QStringLiteral("Cómo se obtuvo el plan, decisión a decisión; las filas elegidas, en "
                        "negrita.")}});
    for (const BloqueExplicacion& bloque : TextosExplicacion(calculo)) {
        QString titulo = bloque.Titulo;
        if (!bloque.Parrafos.isEmpty()) {
            informe.Secciones.push_back(SeccionTexto{titulo, bloque.Parrafos});
            titulo.clear();
        }
        if (!bloque.Cabecera.isEmpty()) {
            informe.Secciones.push_back(SeccionTabla{titulo, bloque.Cabecera, bloque.Filas,
                                                     bloque.Destacadas, false, bloque.DeTexto});
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
    informe.Secciones.push_back(DatosDelProblema(p, TextoLotificacionCalculada(calculo)));

    SeccionTabla rejilla;
    rejilla.Titulo = QStringLiteral("Registro MRP");
    rejilla.Cabecera = CabeceraRegistro(p.N, true);
    rejilla.Filas =
        FilasConEtiqueta(calculo.Tabla, calculo.Costes, p.N,
                         entrada.Problema.VerCostes ? FilasRegistro : FilasRegistroSinCostes);
    rejilla.UltimaColumnaDestacada = true;
    informe.Secciones.push_back(std::move(rejilla));
    informe.Secciones.push_back(
        SeccionDestacada{QStringLiteral("Coste total: ") + FloatToStr(calculo.CosteTotal())});
    informe.Secciones.push_back(
        SeccionGrafico{QStringLiteral("Gráfico del plan"), GraficoPlan(calculo)});

    if (entrada.ConComparacion) Comparacion(calculo, informe);
    if (entrada.ConExplicacion) Explicacion(calculo, informe);
}

// The inputs as typed: the fields, and the grid's NB and RP rows with the initial stock.
void SinCalcular(const EntradaInforme& entrada, ContenidoInforme& informe) {
    const TextosProblema& t = entrada.Problema;
    informe.Secciones.push_back(SeccionTexto{
        QStringLiteral("Sin calcular"),
        {QStringLiteral(
            "Todavía no se ha calculado nada: el informe muestra solo los datos del problema.")}});
    const QString lotificacion = TextoLotificacion(t.Metodo);
    informe.Secciones.push_back(
        Parametros(t.NPeriodos, t.TS, t.SS, t.CE, t.CP,
                   lotificacion.isEmpty() ? QStringLiteral("Ninguna") : lotificacion, t.Redondear));

    const std::optional<RejillaTecleada> tecleada = RejillaDeTextos(t, entrada.Celdas);
    if (!tecleada) return;
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
