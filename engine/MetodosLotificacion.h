// The one table of lot-sizing methods: for every method code its names, its routine and its place
// in the program (an item of the radio group, a method the best-of choice compares). Every list
// of methods in the program is read from here.
#pragma once

#include "LotesDemandaMedia.h"
#include "LotesPorCoste.h"
#include "MejorMetodo.h"
#include "ObservadorLotificacion.h"
#include "PasadasComunes.h"
#include "PlanOptimo.h"
#include "RegistroMRP.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <type_traits>

// A method code. Codes 0 to 6 are the positions of the radio group's items and the values of
// line 6 of a problem file; later codes are never either.
using TipoLotificacion = std::int32_t;
inline constexpr TipoLotificacion LotificacionLoteALote = 0;
inline constexpr TipoLotificacion LotificacionEOQ = 1;
inline constexpr TipoLotificacion LotificacionPOQ = 2;
inline constexpr TipoLotificacion LotificacionMinimoCosteTotal = 3;
inline constexpr TipoLotificacion LotificacionMinimoCosteUnitario = 4;
inline constexpr TipoLotificacion LotificacionSilverMeal = 5;
inline constexpr TipoLotificacion LotificacionMejor = 6;
inline constexpr TipoLotificacion LotificacionOptimo = 7;

// Every routine as Lotificar calls it, and the passes it may share with other methods solved on
// the same input (null when it runs alone).
using RutinaLotificacion = void (*)(const TParametrosMRP& P, TTablaMRP& Tabla,
                                    std::int32_t& MetodoElegido, PasadasComunes* Pasadas);
// The same routine telling Observador every decision it takes; it runs alone.
using RutinaObservada = void (*)(const TParametrosMRP& P, TTablaMRP& Tabla,
                                 std::int32_t& MetodoElegido, ObservadorLotificacion& Observador);

struct MetodoLotificacion {
    TipoLotificacion Codigo;
    std::string_view Nombre;   // as the code names it: "LoteALote", "SilverMeal"
    std::string_view Texto;    // as the user reads it, the radio item's text; UTF-8
    std::string_view Etiqueta; // the experiments report's label, 15 characters; empty if none
    RutinaLotificacion Rutina;
    RutinaObservada Observada;
    bool ItemRadio;         // an item of the radio group, at the position of its code
    bool ComparadoPorMejor; // one of the plans "Mejor de las anteriores" chooses from
    bool ExigeCostes;       // "Calcular" asks for ordering and holding costs other than 0
    bool UsaRedondeo;       // its plan depends on "Redondear"
};

namespace metodos {

// Every routine takes the parameters and the table, then either the shared passes or the code
// of the method it chooses, then its observer. One that takes no shared passes is handed the
// whole input first.
template <auto Rutina, class Observador>
void Llamar(const TParametrosMRP& P, TTablaMRP& Tabla, [[maybe_unused]] std::int32_t& MetodoElegido,
            PasadasComunes* Pasadas, Observador Obs) {
    constexpr bool CompartePasadas = std::is_invocable_v<decltype(Rutina), const TParametrosMRP&,
                                                         TTablaMRP&, PasadasComunes*, Observador>;
    if (Pasadas) {
        if constexpr (!CompartePasadas) Pasadas->Entrada(Tabla);
        Pasadas->Escribiendo();
    }
    if constexpr (CompartePasadas)
        Rutina(P, Tabla, Pasadas, Obs);
    else
        Rutina(P, Tabla, MetodoElegido, Obs);
}

// A routine instantiated with ObservadorNulo, as the table's Rutina.
template <auto Rutina>
void ConParametrosDeLotificar(const TParametrosMRP& P, TTablaMRP& Tabla,
                              std::int32_t& MetodoElegido, PasadasComunes* Pasadas) {
    Llamar<Rutina, ObservadorNulo>(P, Tabla, MetodoElegido, Pasadas, {});
}

// A routine instantiated with ObservadorRegistro, as the table's Observada.
template <auto Rutina>
void Observada(const TParametrosMRP& P, TTablaMRP& Tabla, std::int32_t& MetodoElegido,
               ObservadorLotificacion& Observador) {
    Llamar<Rutina, ObservadorRegistro>(P, Tabla, MetodoElegido, nullptr, Observador);
}

} // namespace metodos

// In code order: the code of every method is its position.
inline constexpr std::array<MetodoLotificacion, 8> MetodosLotificacion{{
    {LotificacionLoteALote, "LoteALote", "Lote a lote", "Lote a lote    ",
     &metodos::ConParametrosDeLotificar<&LoteALote<ObservadorNulo>>,
     &metodos::Observada<&LoteALote<ObservadorRegistro>>, true, true, false, false},
    {LotificacionEOQ, "EOQ", "EOQ", "EOQ            ",
     &metodos::ConParametrosDeLotificar<&LoteEOQ<ObservadorNulo>>,
     &metodos::Observada<&LoteEOQ<ObservadorRegistro>>, true, true, true, true},
    {LotificacionPOQ, "POQ", "POQ", "POQ            ",
     &metodos::ConParametrosDeLotificar<&LotePOQ<ObservadorNulo>>,
     &metodos::Observada<&LotePOQ<ObservadorRegistro>>, true, true, true, false},
    {LotificacionMinimoCosteTotal, "MinimoCosteTotal", "Mínimo coste total", "Min coste total",
     &metodos::ConParametrosDeLotificar<&MinimoCosteTotal<ObservadorNulo>>,
     &metodos::Observada<&MinimoCosteTotal<ObservadorRegistro>>, true, true, true, false},
    {LotificacionMinimoCosteUnitario, "MinimoCosteUnitario", "Mínimo coste unitario",
     "Min coste unit ", &metodos::ConParametrosDeLotificar<&MinimoCosteUnitario<ObservadorNulo>>,
     &metodos::Observada<&MinimoCosteUnitario<ObservadorRegistro>>, true, true, true, false},
    {LotificacionSilverMeal, "SilverMeal", "Método Silver-Meal", "Silver-Meal    ",
     &metodos::ConParametrosDeLotificar<&SilverMeal<ObservadorNulo>>,
     &metodos::Observada<&SilverMeal<ObservadorRegistro>>, true, true, true, false},
    {LotificacionMejor, "Mejor", "Mejor de las anteriores", "",
     &metodos::ConParametrosDeLotificar<&MejorMetodo<ObservadorNulo>>,
     &metodos::Observada<&MejorMetodo<ObservadorRegistro>>, true, false, true, true},
    {LotificacionOptimo, "PlanOptimo", "Plan óptimo (Wagner-Whitin)", "Plan óptimo    ",
     &metodos::ConParametrosDeLotificar<&PlanOptimo<ObservadorNulo>>,
     &metodos::Observada<&PlanOptimo<ObservadorRegistro>>, false, false, true, false},
}};

// The method of a code; nullptr for a code that names none.
constexpr const MetodoLotificacion* BuscarMetodo(TipoLotificacion codigo) {
    if (codigo < 0 || codigo >= TipoLotificacion(MetodosLotificacion.size())) return nullptr;
    return &MetodosLotificacion[std::size_t(codigo)];
}

// The radio group's items are the methods of codes 0 to UltimoItemRadio.
inline constexpr TipoLotificacion UltimoItemRadio =
    TipoLotificacion(std::count_if(MetodosLotificacion.begin(), MetodosLotificacion.end(),
                                   [](const MetodoLotificacion& m) { return m.ItemRadio; })) -
    1;

constexpr bool EsItemRadio(TipoLotificacion codigo) {
    return codigo >= 0 && codigo <= UltimoItemRadio;
}

// Whether "Calcular" with this code asks for costs other than 0; a code that names no method, as
// when no item is selected, asks for them too.
constexpr bool ExigeCostes(TipoLotificacion codigo) {
    const MetodoLotificacion* metodo = BuscarMetodo(codigo);
    return !metodo || metodo->ExigeCostes;
}

// Whether the plan of this code depends on "Redondear".
constexpr bool UsaRedondeo(TipoLotificacion codigo) {
    const MetodoLotificacion* metodo = BuscarMetodo(codigo);
    return metodo && metodo->UsaRedondeo;
}

// The methods "Mejor de las anteriores" compares, which the experiments run too, in code order.
inline constexpr int NumeroMetodosComparados =
    int(std::count_if(MetodosLotificacion.begin(), MetodosLotificacion.end(),
                      [](const MetodoLotificacion& m) { return m.ComparadoPorMejor; }));
inline constexpr std::array<TipoLotificacion, NumeroMetodosComparados> MetodosComparados = [] {
    std::array<TipoLotificacion, NumeroMetodosComparados> codigos{};
    std::size_t i = 0;
    for (const MetodoLotificacion& m : MetodosLotificacion)
        if (m.ComparadoPorMejor) codigos[i++] = m.Codigo;
    return codigos;
}();

static_assert(
    [] {
        for (std::size_t i = 0; i < MetodosLotificacion.size(); ++i)
            if (MetodosLotificacion[i].Codigo != TipoLotificacion(i) ||
                MetodosLotificacion[i].ItemRadio != (TipoLotificacion(i) <= UltimoItemRadio) ||
                (MetodosLotificacion[i].ComparadoPorMejor && !MetodosLotificacion[i].ItemRadio))
                return false;
        return true;
    }(),
    "a method's code is its position, the radio items come first, and only they are compared");
