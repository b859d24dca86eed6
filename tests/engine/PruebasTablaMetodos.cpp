// The method table: every code reaches its own routine through Lotificar, and the table alone
// decides which methods are radio items and which the best-of choice compares.
#include "TablasPrueba.h"

#include <functional>

namespace {

using RutinaDirecta = std::function<void(const Problema&, TTablaMRP&, std::int32_t&)>;

// Each routine called by its own name, with the parameters it takes.
const std::pair<TipoLotificacion, RutinaDirecta> RutinasPorCodigo[] = {
    {LotificacionLoteALote,
     [](const Problema& p, TTablaMRP& t, std::int32_t&) {
         LoteALote({p.N, p.TS, p.SS, p.CE, p.CP}, t);
     }},
    {LotificacionEOQ,
     [](const Problema& p, TTablaMRP& t, std::int32_t&) {
         LoteEOQ({p.N, p.TS, p.SS, p.CE, p.CP, false}, t);
     }},
    {LotificacionPOQ,
     [](const Problema& p, TTablaMRP& t, std::int32_t&) {
         LotePOQ({p.N, p.TS, p.SS, p.CE, p.CP}, t);
     }},
    {LotificacionMinimoCosteTotal,
     [](const Problema& p, TTablaMRP& t, std::int32_t&) {
         MinimoCosteTotal({p.N, p.TS, p.SS, p.CE, p.CP}, t);
     }},
    {LotificacionMinimoCosteUnitario,
     [](const Problema& p, TTablaMRP& t, std::int32_t&) {
         MinimoCosteUnitario({p.N, p.TS, p.SS, p.CE, p.CP}, t);
     }},
    {LotificacionSilverMeal,
     [](const Problema& p, TTablaMRP& t, std::int32_t&) {
         SilverMeal({p.N, p.TS, p.SS, p.CE, p.CP}, t);
     }},
    {LotificacionMejor,
     [](const Problema& p, TTablaMRP& t, std::int32_t& elegido) {
         MejorMetodo({p.N, p.TS, p.SS, p.CE, p.CP, false}, t, elegido);
     }},
    {LotificacionOptimo,
     [](const Problema& p, TTablaMRP& t, std::int32_t&) {
         PlanOptimo({p.N, p.TS, p.SS, p.CE, p.CP}, t);
     }},
};

} // namespace

// Unrounded, so that EOQ's plan differs from every other and a swapped entry shows.
TEST(TablaMetodos, CadaCodigoLlegaASuRutina) {
    ASSERT_EQ(std::size(RutinasPorCodigo), MetodosLotificacion.size());
    for (const auto& [codigo, rutina] : RutinasPorCodigo) {
        SCOPED_TRACE(codigo);
        for (const Problema& p : {OchoPeriodos, PicoTemprano}) {
            TTablaMRP directa = TablaDe(p);
            std::int32_t elegidoDirecto = -1;
            rutina(p, directa, elegidoDirecto);
            TTablaMRP despachada = TablaDe(p);
            std::int32_t elegidoDespachado = -1;
            Lotificar(codigo, {p.N, p.TS, p.SS, p.CE, p.CP, false}, despachada, elegidoDespachado);
            EXPECT_EQ(despachada, directa);
            EXPECT_EQ(elegidoDespachado, elegidoDirecto);
            EXPECT_EQ(BuscarMetodo(codigo)->Codigo, codigo);
        }
    }
}

// Only radio items are compared, and every method after the radio items is neither: a method
// added after code 6 never becomes an item, a value of line 6 or a candidate of code 6.
TEST(TablaMetodos, LosItemsYLosComparadosSalenDeLaTabla) {
    EXPECT_EQ(UltimoItemRadio, LotificacionMejor);
    EXPECT_EQ(MetodosComparados, (std::array<TipoLotificacion, 6>{0, 1, 2, 3, 4, 5}));
    for (const MetodoLotificacion& m : MetodosLotificacion) {
        SCOPED_TRACE(m.Codigo);
        EXPECT_EQ(m.ItemRadio, EsItemRadio(m.Codigo));
        if (m.Codigo > UltimoItemRadio) {
            EXPECT_FALSE(m.ItemRadio || m.ComparadoPorMejor);
        }
    }
    EXPECT_FALSE(BuscarMetodo(LotificacionMejor)->ComparadoPorMejor);
    EXPECT_EQ(BuscarMetodo(-1), nullptr);
    EXPECT_EQ(BuscarMetodo(TipoLotificacion(MetodosLotificacion.size())), nullptr);
}
