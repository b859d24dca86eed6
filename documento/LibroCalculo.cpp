// The sheets of a calculation and of a problem not yet calculated.
#include "LibroCalculo.h"

#include "ArticuloDeTextos.h"
#include "ComparacionMetodos.h"
#include "RegistroTextos.h"
#include "RotulosCampos.h"
#include "SiNo.h"
#include "TextosComparacion.h"
#include "TextosExplicacion.h"
#include "TextosLotificacion.h"

namespace {

Hoja HojaVacia(const QString& nombre, int columnasFijas = 0) {
    Hoja hoja;
    hoja.nombre = nombre;
    hoja.columnasFijas = columnasFijas;
    return hoja;
}

// A caption without its colon, as a sheet's row name.
QString Nombre(const QString& etiqueta) {
    return etiqueta.endsWith(u':') ? etiqueta.chopped(1) : etiqueta;
}

void Dato(Hoja& hoja, const QString& etiqueta, Celda valor) {
    hoja.Fila({Celda::Texto(Nombre(etiqueta)), std::move(valor)});
}

FilaHoja CabeceraPeriodos(int N) {
    FilaHoja cabecera{Celda{}};
    for (int k = 1; k <= N; ++k)
        cabecera.push_back(Celda::Numero(k, FormatoNumero::Identificador).Negrita());
    return cabecera;
}

Hoja HojaDatosVacia() {
    Hoja hoja = HojaVacia(NombreHojaDatos);
    hoja.Fila({Celda::Texto(QStringLiteral("Dato")).Negrita(),
               Celda::Texto(QStringLiteral("Valor")).Negrita()});
    return hoja;
}

} // namespace

Hoja HojaRegistro(const ResultadoCalculo& calculo) {
    const std::int32_t N = calculo.Problema.N;
    Hoja hoja = HojaVacia(NombreHojaRegistro, 1);
    hoja.Fila(CabeceraPeriodos(N));
    const auto filas = FilasDelRegistro(calculo.Tabla, calculo.Costes);
    for (std::size_t r = 0; r < filas.size(); ++r) {
        FilaHoja& fila = hoja.Fila({Celda::Texto(EtiquetasRegistro()[r]).Negrita()});
        for (int k = 1; k <= N; ++k) fila.push_back(Celda::Numero((*filas[r])[k]));
        // After the last period only the final stock and the total cost mean anything.
        if (filas[r] == &calculo.Tabla.D || filas[r] == &calculo.Costes.CTotal)
            fila.push_back(Celda::Numero((*filas[r])[N + 1]).Negrita());
    }
    return hoja;
}

Hoja HojaDatos(const ResultadoCalculo& calculo) {
    const Articulo& p = calculo.Problema;
    Hoja hoja = HojaDatosVacia();
    Dato(hoja, RotuloNPeriodos, Celda::Numero(p.N));
    Dato(hoja, RotuloTS, Celda::Numero(p.TS));
    Dato(hoja, RotuloSS, Celda::Numero(p.SS));
    Dato(hoja, RotuloCE, Celda::Numero(p.CE));
    Dato(hoja, RotuloCP, Celda::Numero(p.CP));
    Dato(hoja, RotuloLotificacion, Celda::Texto(TextoLotificacionCalculada(calculo)));
    Dato(hoja, RotuloRedondear, Celda::Texto(SiNo(p.Redondear)));
    Dato(hoja, QStringLiteral("Stock inicial"), Celda::Numero(p.Entrada.D[1]));
    const FilaComparacion plan = FilaDelPlan(calculo.Metodo, p, calculo.Tabla, calculo.Costes);
    Dato(hoja, QStringLiteral("Stock final"), Celda::Numero(calculo.Tabla.D[p.N + 1]));
    Dato(hoja, QStringLiteral("Pedidos"), Celda::Numero(plan.Pedidos));
    Dato(hoja, QStringLiteral("Coste de emisión total"), Celda::Numero(plan.CosteEmision));
    Dato(hoja, QStringLiteral("Coste de posesión total"), Celda::Numero(plan.CostePosesion));
    hoja.Fila({Celda::Texto(QStringLiteral("Coste total")).Negrita(),
               Celda::Numero(calculo.CosteTotal()).Negrita()});
    return hoja;
}

Hoja HojaComparacion(const ResultadoCalculo& calculo) {
    const ComparacionMetodos& comparacion = calculo.Comparacion;
    Hoja hoja = HojaVacia(NombreHojaComparacion, 1);
    if (!comparacion.Rechazo.empty()) {
        hoja.filasFijas = hoja.columnasFijas = 0;
        hoja.Fila({Celda::Texto(QString::fromStdString(comparacion.Rechazo))});
        return hoja;
    }
    FilaHoja& cabecera = hoja.Fila();
    for (const QString& titulo : CabeceraComparacion())
        cabecera.push_back(Celda::Texto(titulo).Negrita());
    const std::vector<TextosFilaComparacion> textos = TextosComparacion(comparacion);
    for (std::size_t i = 0; i < comparacion.Filas.size(); ++i) {
        const FilaComparacion& f = comparacion.Filas[i];
        FilaHoja fila{Celda::Texto(textos[i].Celdas.value(0))};
        if (!f.Fallo.empty()) {
            fila.push_back(Celda::Texto(QString::fromStdString(f.Fallo)));
        } else {
            fila.insert(fila.end(), {Celda::Numero(f.CosteTotal), Celda::Numero(f.CosteEmision),
                                     Celda::Numero(f.CostePosesion), Celda::Numero(f.Pedidos)});
            if (f.SobreOptimo) fila.push_back(Celda::Numero(*f.SobreOptimo));
        }
        if (f.MasBarato)
            for (Celda& celda : fila) celda.Negrita();
        hoja.Fila(std::move(fila));
    }
    return hoja;
}

Hoja HojaExplicacion(const ResultadoCalculo& calculo) {
    Hoja hoja = HojaVacia(NombreHojaExplicacion);
    hoja.filasFijas = 0;
    const auto textos = [&hoja](const QStringList& lineas) {
        for (const QString& linea : lineas) hoja.Fila({Celda::Texto(linea)});
    };
    for (const BloqueExplicacion& bloque : TextosExplicacion(calculo)) {
        if (!hoja.filas.empty()) hoja.Fila();
        if (!bloque.Titulo.isEmpty()) hoja.Fila({Celda::Texto(bloque.Titulo).Negrita()});
        textos(bloque.Parrafos);
        if (!bloque.Cabecera.isEmpty()) {
            FilaHoja& cabecera = hoja.Fila();
            for (const QString& titulo : bloque.Cabecera)
                cabecera.push_back(Celda::Texto(titulo).Negrita());
            for (std::size_t f = 0; f < bloque.Filas.size(); ++f) {
                FilaHoja& fila = hoja.Fila();
                const bool destacada = f < bloque.Destacadas.size() && bloque.Destacadas[f];
                for (const QString& texto : bloque.Filas[f]) {
                    fila.push_back(CeldaDeTexto(texto));
                    if (destacada) fila.back().Negrita();
                }
            }
        }
        textos(bloque.Notas);
    }
    return hoja;
}

Libro LibroCalculo(const ResultadoCalculo& calculo, bool datosCambiados) {
    Hoja datos = HojaDatos(calculo);
    if (datosCambiados)
        Dato(datos, QStringLiteral("Aviso"),
             Celda::Texto(QStringLiteral("Los datos de la ventana han cambiado después del último "
                                         "cálculo: este libro muestra ese cálculo.")));
    return {{HojaRegistro(calculo), std::move(datos), HojaComparacion(calculo),
             HojaExplicacion(calculo)}};
}

Libro LibroComparacion(const ResultadoCalculo& calculo) {
    return {{HojaComparacion(calculo), HojaDatos(calculo)}};
}

Libro LibroVentana(const TextosProblema& problema, const TextosCelda& celdas,
                   const std::optional<ResultadoCalculo>& calculo) {
    if (calculo) return LibroCalculo(*calculo, ProblemaCambiado(problema, celdas, *calculo));
    Hoja datos = HojaDatosVacia();
    Dato(datos, RotuloNPeriodos, CeldaDeTexto(problema.NPeriodos));
    Dato(datos, RotuloTS, CeldaDeTexto(problema.TS));
    Dato(datos, RotuloSS, CeldaDeTexto(problema.SS));
    Dato(datos, RotuloCE, CeldaDeTexto(problema.CE));
    Dato(datos, RotuloCP, CeldaDeTexto(problema.CP));
    const QString lotificacion = TextoLotificacion(problema.Metodo);
    Dato(datos, RotuloLotificacion,
         Celda::Texto(lotificacion.isEmpty() ? QStringLiteral("Ninguna") : lotificacion));
    Dato(datos, RotuloRedondear, Celda::Texto(SiNo(problema.Redondear)));
    Dato(datos, QStringLiteral("Aviso"),
         Celda::Texto(QStringLiteral("Todavía no se ha calculado nada: el libro muestra solo los "
                                     "datos del problema.")));
    Libro libro;
    if (const std::optional<RejillaTecleada> tecleada = RejillaDeTextos(problema, celdas)) {
        Hoja registro = HojaVacia(NombreHojaRegistro, 1);
        registro.Fila(CabeceraPeriodos(tecleada->N));
        const auto& etiquetas = EtiquetasRegistro();
        const auto fila = [&](const QString& etiqueta, const QStringList& textos) {
            FilaHoja& nueva = registro.Fila({Celda::Texto(etiqueta).Negrita()});
            for (const QString& texto : textos) nueva.push_back(CeldaDeTexto(texto));
        };
        fila(etiquetas[0], tecleada->NB);
        fila(etiquetas[1], {tecleada->D1});
        fila(etiquetas[2], tecleada->RP);
        libro.hojas.push_back(std::move(registro));
    }
    libro.hojas.push_back(std::move(datos));
    return libro;
}
