// The engine's bounds: unknown codes, input outside the contract, and never a write beyond
// entry N + 1 or into the entries the lead time leaves to the caller.
#include "Centinela.h"
#include "TablasPrueba.h"

#include <array>
#include <limits>
#include <sstream>

namespace {

constexpr std::int32_t Maximo = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Minimo = std::numeric_limits<std::int32_t>::min();

// Every code of the method table.
constexpr std::array Codigos = [] {
    std::array<TipoLotificacion, MetodosLotificacion.size()> codigos{};
    for (std::size_t i = 0; i < codigos.size(); ++i) codigos[i] = MetodosLotificacion[i].Codigo;
    return codigos;
}();
// The first code past the table names no method.
constexpr TipoLotificacion TrasLaTabla = TipoLotificacion(MetodosLotificacion.size());

TTablaMRP TablaCentinela() {
    TTablaMRP t;
    for (TFilaMRP* fila : {&t.NB, &t.D, &t.RP, &t.NN, &t.RPPL, &t.PPL}) fila->v.fill(Centinela);
    return t;
}

TCostesMRP CostesCentinela() {
    TCostesMRP c;
    for (TFilaMRP* fila : {&c.Ce, &c.Cp, &c.CTotal}) fila->v.fill(Centinela);
    return c;
}

// Sentinels everywhere the engine must not write; requirements in two periods of every three.
TTablaMRP TablaConBordes(int N, std::int32_t TS) {
    TTablaMRP t = TablaCentinela();
    t.D[1] = 20;
    for (int i = 1; i <= N; ++i) {
        t.NB[i] = i % 3 == 0 ? 0 : 10.0 * (i % 7 + 1);
        t.RP[i] = i % 5 == 0 ? 15 : 0;
        t.NN[i] = 0;
        if (i > TS)
            t.RPPL[i] = 0; // receipts the caller keeps are fed to the projection as they are
        if (i <= N - TS) t.PPL[i] = 0;
    }
    return t;
}

void ComprobarBordes(int N, std::int32_t TS, const TTablaMRP& t, const TCostesMRP& c) {
    for (int i = N + 1; i <= EntradasFila; ++i) {
        SCOPED_TRACE(i);
        for (const TFilaMRP* fila : {&t.NB, &t.RP, &t.NN, &t.RPPL, &t.PPL})
            EXPECT_EQ((*fila)[i], Centinela);
        if (i > N + 1) {
            for (const TFilaMRP* fila : {&t.D, &c.Ce, &c.Cp, &c.CTotal})
                EXPECT_EQ((*fila)[i], Centinela);
        }
    }
    for (int i = 1; i <= N; ++i) {
        if (i <= TS) {
            EXPECT_EQ(t.RPPL[i], Centinela) << "RPPL " << i;
        }
        if (i > N - TS) {
            EXPECT_EQ(t.PPL[i], Centinela) << "PPL " << i;
        }
    }
}

struct Horizonte {
    std::int32_t N;
    std::int32_t TS;
};

class Bordes : public testing::TestWithParam<Horizonte> {};

TEST_P(Bordes, NadaSeEscribeFueraDelHorizonte) {
    const auto [N, TS] = GetParam();
    for (const TipoLotificacion m : Codigos) {
        SCOPED_TRACE(m);
        TTablaMRP tabla = TablaConBordes(N, TS);
        TCostesMRP costes = CostesCentinela();
        std::int32_t elegido = 0;
        Lotificar(m, {N, TS, 0, 50, 0.5, true}, tabla, elegido);
        CalcularCostes({N, 0, 0, 50, 0.5}, tabla, costes);
        ComprobarBordes(N, TS, tabla, costes);
    }
    TTablaMRP tabla = TablaConBordes(N, TS);
    Reproyectar({N, TS, 0}, tabla);
    ComprobarBordes(N, TS, tabla, CostesCentinela());
}

INSTANTIATE_TEST_SUITE_P(Motor, Bordes,
                         testing::Values(Horizonte{1, 0}, Horizonte{8, 1}, Horizonte{8, 7},
                                         Horizonte{99, 0}, Horizonte{99, 3}, Horizonte{99, 98},
                                         Horizonte{99, Maximo}),
                         [](const auto& instancia) {
                             std::ostringstream nombre;
                             nombre << "N" << instancia.param.N << "TS" << instancia.param.TS;
                             return nombre.str();
                         });

// A lead time beyond the horizon plans nothing: the requirements pile up as net requirements.
TEST(Bordes, PlazoEnormeNoPlaneaNada) {
    Problema p{99, Maximo, 0, 100, 1, 50, Fila(99, 10)};
    for (const TipoLotificacion m : Codigos) {
        SCOPED_TRACE(m);
        const Resultado r = Resolver(m, p);
        EXPECT_EQ(Entradas(r.Tabla.PPL, 100), Fila(100, 0));
        EXPECT_EQ(r.Tabla.D[100], 50 - 990);
        EXPECT_EQ(r.Tabla.NN[99], 990 - 50);
        EXPECT_EQ(r.Costes.CTotal[100], 50 * 99 - 10 * (99 * 100 / 2));
    }
}

TEST(Bordes, CodigoDesconocidoNoCambiaNada) {
    for (const TipoLotificacion m : {-1, TrasLaTabla, Minimo, Maximo}) {
        SCOPED_TRACE(m);
        TTablaMRP tabla = TablaDe(OchoPeriodos);
        std::int32_t elegido = LotificacionMinimoCosteUnitario;
        Lotificar(m, {8, 1, 0, 100, 1, true}, tabla, elegido);
        EXPECT_EQ(tabla, TablaDe(OchoPeriodos));
        EXPECT_EQ(elegido, LotificacionMinimoCosteUnitario);
    }
}

// Callers refuse such input; should one slip through, nothing at all may be written.
TEST(Bordes, FueraDelContratoNoEscribeNada) {
    const Horizonte fuera[] = {{0, 0},      {-1, 0}, {100, 0},    {Maximo, 0},
                               {Minimo, 0}, {8, -1}, {8, Minimo}, {100, -1}};
    for (const auto [N, TS] : fuera) {
        SCOPED_TRACE(testing::Message() << "N " << N << " TS " << TS);
        const TTablaMRP original = TablaCentinela();
        TTablaMRP tabla = original;
        TCostesMRP costes = CostesCentinela();
        std::int32_t elegido = LotificacionSilverMeal;
        for (const TipoLotificacion m : Codigos)
            Lotificar(m, {N, TS, 0, 100, 1, true}, tabla, elegido);
        LoteALote({N, TS, 0, 100, 1}, tabla);
        LoteEOQ({N, TS, 0, 100, 1, true}, tabla);
        LotePOQ({N, TS, 0, 100, 1}, tabla);
        MinimoCosteTotal({N, TS, 0, 100, 1}, tabla);
        MinimoCosteUnitario({N, TS, 0, 100, 1}, tabla);
        SilverMeal({N, TS, 0, 100, 1}, tabla);
        MejorMetodo({N, TS, 0, 100, 1, true}, tabla, elegido);
        PlanOptimo({N, TS, 0, 100, 1}, tabla);
        Reproyectar({N, TS, 0}, tabla);
        if (N < 1 || N > MaxPeriodos) { // these two take no lead time
            CalcularCostes({N, 0, 0, 100, 1}, tabla, costes);
            NecesidadNeta(N, tabla, 0);
        }
        EXPECT_EQ(tabla, original);
        EXPECT_EQ(costes, CostesCentinela());
        EXPECT_EQ(elegido, LotificacionSilverMeal);
    }
}

} // namespace
