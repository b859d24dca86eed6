// The project's sheets, filled from the explosion's numbers.
#include "LibroProyecto.h"

#include "LibroCalculo.h"
#include "ResultadoArticuloProyecto.h"
#include "TextosProyecto.h"

Hoja HojaResumen(const Proyecto& proyecto, const ResultadoProyecto& resultado) {
    Hoja hoja;
    hoja.nombre = NombreHojaResumen;
    hoja.columnasFijas = 1;
    FilaHoja& cabecera = hoja.Fila();
    for (const QString& titulo : CabeceraResumen())
        cabecera.push_back(Celda::Texto(titulo).Negrita());
    for (const int i : resultado.OrdenCalculo) {
        const PlanArticulo& plan = resultado.Articulos[std::size_t(i)];
        hoja.Fila({Celda::Texto(proyecto.Articulos[std::size_t(i)].Codigo),
                   Celda::Numero(plan.Nivel, FormatoNumero::Identificador),
                   Celda::Texto(TextoMetodoUsado(plan)), Celda::Numero(plan.CosteEmision),
                   Celda::Numero(plan.CostePosesion), Celda::Numero(plan.CosteTotal)});
    }
    hoja.Fila({Celda::Texto(TextoTotalProyecto).Negrita(), Celda{}, Celda{},
               Celda::Numero(resultado.CosteEmision).Negrita(),
               Celda::Numero(resultado.CostePosesion).Negrita(),
               Celda::Numero(resultado.CosteTotal).Negrita()});
    return hoja;
}

Libro LibroProyecto(const Proyecto& proyecto, const ResultadoProyecto& resultado) {
    Libro libro;
    libro.hojas.push_back(HojaResumen(proyecto, resultado));
    for (const int i : resultado.OrdenCalculo) {
        Hoja registro = HojaRegistro(ResultadoDelArticulo(proyecto, resultado, i));
        registro.nombre = proyecto.Articulos[std::size_t(i)].Codigo;
        libro.hojas.push_back(std::move(registro));
    }
    return libro;
}
