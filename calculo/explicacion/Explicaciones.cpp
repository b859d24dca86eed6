// Which explanation hears each method: one line a method.
#include "ExplicacionEOQ.h"
#include "ExplicacionLoteALote.h"
#include "ExplicacionMejor.h"
#include "ExplicacionOptimo.h"
#include "ExplicacionPOQ.h"
#include "ExplicacionPorCoste.h"

#include <array>
#include <utility>

namespace {

template <class Explicacion> std::unique_ptr<ExplicacionMetodo> Nueva() {
    return std::make_unique<Explicacion>();
}

using Fabrica = std::unique_ptr<ExplicacionMetodo> (*)();

constexpr std::array<std::pair<TipoLotificacion, Fabrica>, MetodosLotificacion.size()>
    Explicaciones{{
        {LotificacionLoteALote, &Nueva<ExplicacionLoteALote>},
        {LotificacionEOQ, &Nueva<ExplicacionEOQ>},
        {LotificacionPOQ, &Nueva<ExplicacionPOQ>},
        {LotificacionMinimoCosteTotal, &Nueva<ExplicacionPorCoste>},
        {LotificacionMinimoCosteUnitario, &Nueva<ExplicacionPorCoste>},
        {LotificacionSilverMeal, &Nueva<ExplicacionPorCoste>},
        {LotificacionMejor, &Nueva<ExplicacionMejor>},
        {LotificacionOptimo, &Nueva<ExplicacionOptimo>},
    }};

// A method added to the method table needs its line here: a line left out leaves an entry of
// code 0 at the end.
static_assert(
    [] {
        for (std::size_t i = 0; i < Explicaciones.size(); ++i)
            if (Explicaciones[i].first != TipoLotificacion(i)) return false;
        return true;
    }(),
    "every method of the method table has its explanation, in code order");

} // namespace

std::unique_ptr<ExplicacionMetodo> NuevaExplicacion(TipoLotificacion metodo) {
    if (!BuscarMetodo(metodo)) return nullptr;
    return Explicaciones[std::size_t(metodo)].second();
}
