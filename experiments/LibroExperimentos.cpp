// The sheets of a run: its statistics and its making.
#include "LibroExperimentos.h"

#include "Informe.h"
#include "SiNo.h"

namespace {

// The report's headings without the padding that lines the memo up.
FilaHoja Cabecera(const QStringList& titulos) {
    FilaHoja fila;
    for (const QString& titulo : titulos) fila.push_back(Celda::Texto(titulo.trimmed()).Negrita());
    return fila;
}

Celda Metodo(std::size_t m) {
    return Celda::Texto(Etiqueta(MetodosComparados[m]).trimmed());
}

Celda Fraccion(double valor) {
    return Celda::Numero(valor, FormatoNumero::Porcentaje);
}

Hoja Estadisticas(const EjecucionHecha& ejecucion, const DatosExperimentos& datos) {
    Hoja hoja;
    hoja.nombre = QStringLiteral("Estadísticas");
    hoja.columnasFijas = 1;
    hoja.Fila(Cabecera(CabeceraInforme()));
    for (std::size_t m = 0; m < datos.Estadisticas.size(); ++m) {
        const TEstadisticaMetodo& e = datos.Estadisticas[m];
        hoja.Fila({Metodo(m), Celda::Numero(e.NMejor), Celda::Numero(e.NPeor),
                   Celda::Numero(e.CosteAc), Fraccion(e.DesvMed), Fraccion(e.MaxDesv)});
    }
    if (!ejecucion.Textos.CompararOptimo) return hoja;
    hoja.Fila();
    hoja.Fila(Cabecera(CabeceraInformeOptimo()));
    for (std::size_t m = 0; m < datos.EstadisticasOptimo.size(); ++m) {
        const TEstadisticaOptimo& e = datos.EstadisticasOptimo[m];
        hoja.Fila({Metodo(m), Celda::Numero(e.NOptimo), Fraccion(e.DesvMed), Fraccion(e.MaxDesv)});
    }
    return hoja;
}

// The experiments window's fields under their captions, in its order.
const std::pair<const char*, QString TextosExperimento::*> Campos[] = {
    {"Nº Períodos Min", &TextosExperimento::NPMin}, {"Nº Períodos Max", &TextosExperimento::NPMax},
    {"NB Min", &TextosExperimento::NBMin},          {"NB Max", &TextosExperimento::NBMax},
    {"Prob. NB", &TextosExperimento::EProbNB},      {"Ts Min", &TextosExperimento::TsMin},
    {"Ts Max", &TextosExperimento::TsMax},          {"Ce Min", &TextosExperimento::CEMin},
    {"Ce Max", &TextosExperimento::CeMax},          {"Ce/Cp Min", &TextosExperimento::CECpMin},
    {"Ce/Cp Max", &TextosExperimento::CeCpMax},     {"Nº experimentos", &TextosExperimento::NExp},
};

Hoja Ejecucion(const EjecucionHecha& ejecucion, const DatosExperimentos& datos) {
    Hoja hoja;
    hoja.nombre = QStringLiteral("Ejecución");
    hoja.Fila({Celda::Texto(QStringLiteral("Dato")).Negrita(),
               Celda::Texto(QStringLiteral("Valor")).Negrita()});
    const auto dato = [&hoja](const QString& nombre, Celda valor) {
        hoja.Fila({Celda::Texto(nombre), std::move(valor)});
    };
    for (const auto& [rotulo, campo] : Campos)
        dato(QString::fromUtf8(rotulo), CeldaDeTexto(ejecucion.Textos.*campo));
    dato(QStringLiteral("Comparar con el óptimo"),
         Celda::Texto(SiNo(ejecucion.Textos.CompararOptimo)));
    dato(QStringLiteral("Semilla"),
         ejecucion.Semilla ? Celda::Numero(*ejecucion.Semilla, FormatoNumero::Identificador)
                           : Celda{});
    dato(QStringLiteral("Fichero de seguimiento"), Celda::TextoOVacia(ejecucion.FicheroTraza));
    dato(QStringLiteral("Experimentos hechos"), Celda::Numero(double(datos.Hechos)));
    dato(QStringLiteral("Detenida"), Celda::Texto(SiNo(datos.Detenida)));
    const QString hora = QStringLiteral("HH:mm:ss.zzz");
    dato(QStringLiteral("Hora de inicio"), Celda::TextoOVacia(datos.HoraInicio.toString(hora)));
    dato(QStringLiteral("Hora de fin"), Celda::TextoOVacia(datos.HoraFin.toString(hora)));
    dato(QStringLiteral("Tiempo requerido (segundos)"), Celda::Numero(datos.Segundos));
    return hoja;
}

} // namespace

Libro LibroExperimentos(const EjecucionHecha& ejecucion, const DatosExperimentos& datos) {
    return {{Estadisticas(ejecucion, datos), Ejecucion(ejecucion, datos)}};
}
