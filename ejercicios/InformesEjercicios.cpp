// The statements and the solutions of a sheet, section by section.
#include "InformesEjercicios.h"

#include "RegistroTextos.h"
#include "TextosLotificacion.h"
#include "TextosProblema.h"

#include <variant>

namespace {

// Two statements share a page while both records fit in the width of half a page's height.
constexpr int PeriodosPorMediaPagina = 10;

QString Encabezado(const Ejercicio& ejercicio) {
    return QStringLiteral("Ejercicio %1 (%2)").arg(ejercicio.Numero).arg(ejercicio.Fichero);
}

QString Metodo(const Ejercicio& ejercicio) {
    return QStringLiteral("«") + TextoLotificacion(ejercicio.Solucion.Problema.Metodo) +
           QStringLiteral("»");
}

// The parameters as the report names them, in one paragraph so that two statements fit a page.
QString DatosEnUnaLinea(const Articulo& articulo) {
    QStringList datos;
    for (const auto& [nombre, valor] :
         DatosDelProblema(articulo, TextoLotificacion(articulo.Metodo)).Filas)
        datos << nombre + u' ' + valor;
    return datos.join(QStringLiteral("; ")) + u'.';
}

// The record with its inputs, NB, RP and the initial stock, and every other cell empty.
SeccionTabla RegistroPorCompletar(const Articulo& articulo) {
    const std::int32_t N = articulo.N;
    SeccionTabla registro;
    registro.Titulo = QStringLiteral("Registro MRP");
    registro.Cabecera = CabeceraRegistro(N, true);
    const TCostesMRP sinCostes{};
    const auto filas = FilasDelRegistro(articulo.Entrada, sinCostes);
    for (int fila = FilaNB; fila <= FilaCTotal; ++fila) {
        QStringList celdas{EtiquetasRegistro()[std::size_t(fila) - 1]};
        for (std::int32_t c = 1; c <= N + 1; ++c) {
            const bool entrada =
                c <= N && (fila == FilaNB || fila == FilaRP || (fila == FilaD && c == 1));
            celdas << (entrada ? TextoEntrada((*filas[std::size_t(fila) - 1])[c]) : QString());
        }
        registro.Filas.push_back(celdas);
    }
    registro.UltimaColumnaDestacada = true;
    return registro;
}

} // namespace

QString DescripcionHoja(int cantidad, int dificultad, std::uint32_t semilla) {
    return QStringLiteral("%1 %2, dificultad %3, semilla %4")
        .arg(cantidad)
        .arg(cantidad == 1 ? QStringLiteral("ejercicio") : QStringLiteral("ejercicios"))
        .arg(dificultad)
        .arg(semilla);
}

ContenidoInforme EnunciadosEjercicios(const std::vector<Ejercicio>& ejercicios,
                                      const QString& descripcion) {
    ContenidoInforme informe;
    informe.Titulo = QStringLiteral("Quelmar — ejercicios de lotificación");
    informe.Subtitulo = descripcion;
    // The statements on the page so far, and whether they all leave room for another.
    int enPagina = 0;
    bool cortos = false;
    for (const Ejercicio& ejercicio : ejercicios) {
        const Articulo& articulo = ejercicio.Solucion.Problema;
        const bool corto = articulo.N <= PeriodosPorMediaPagina;
        if (enPagina == 1 && cortos && corto) {
            enPagina = 2;
        } else {
            if (enPagina > 0) informe.Secciones.push_back(SeccionSaltoPagina{});
            enPagina = 1;
            cortos = corto;
        }
        informe.Secciones.push_back(SeccionTexto{
            Encabezado(ejercicio),
            {QStringLiteral("Complete el registro MRP y sus costes con la lotificación ") +
                 Metodo(ejercicio) + QStringLiteral("."),
             DatosEnUnaLinea(articulo)}});
        informe.Secciones.push_back(RegistroPorCompletar(articulo));
    }
    return informe;
}

ContenidoInforme SolucionesEjercicios(const std::vector<Ejercicio>& ejercicios,
                                      const QString& descripcion) {
    ContenidoInforme informe;
    informe.Titulo = QStringLiteral("Quelmar — soluciones de los ejercicios");
    informe.Subtitulo = descripcion;
    for (const Ejercicio& ejercicio : ejercicios) {
        if (&ejercicio != &ejercicios.front()) informe.Secciones.push_back(SeccionSaltoPagina{});
        informe.Secciones.push_back(SeccionTexto{Encabezado(ejercicio),
                                                 {QStringLiteral("Solución con la lotificación ") +
                                                  Metodo(ejercicio) + QStringLiteral(".")}});
        EntradaInforme entrada;
        entrada.Calculo = ejercicio.Solucion;
        entrada.ConExplicacion = true;
        for (SeccionInforme& seccion : ConstruirInforme(entrada).Secciones)
            if (!std::holds_alternative<SeccionGrafico>(seccion))
                informe.Secciones.push_back(std::move(seccion));
    }
    return informe;
}
