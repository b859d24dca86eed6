// The best of the methods: each compared method solved and priced from the same input, the
// cheapest plan left in the caller's table.
#include "MejorMetodo.h"

#include "MetodosLotificacion.h"
#include "MotorInterno.h"

#include <algorithm>
#include <array>

namespace {

// The rows a method writes, entries 1 to N + 1. Everything else in the table is input or left
// alone by every method, so these rows alone tell one plan from another.
class FilasDelPlan {
public:
    void Guardar(const TTablaMRP& Tabla, std::int32_t NPeriodos) {
        for (std::size_t f = 0; f < Filas.size(); ++f)
            std::copy_n((Tabla.*Filas[f]).v.begin(), NPeriodos + 1, Valores[f].begin());
    }
    void Poner(TTablaMRP& Tabla, std::int32_t NPeriodos) const {
        for (std::size_t f = 0; f < Filas.size(); ++f)
            std::copy_n(Valores[f].begin(), NPeriodos + 1, (Tabla.*Filas[f]).v.begin());
    }

private:
    static constexpr std::array Filas{&TTablaMRP::D, &TTablaMRP::NN, &TTablaMRP::RPPL,
                                      &TTablaMRP::PPL};
    // Not cleared: only the entries Guardar wrote are ever read back.
    std::array<std::array<double, EntradasFila>, Filas.size()> Valores;
};

} // namespace

void MejorMetodo(std::int32_t NPeriodos, std::int32_t TS, double SS, double CE, double CP,
                 bool Redondear, TTablaMRP& Tabla, std::int32_t& MetodoElegido) {
    if (!motor::DentroDelContrato(NPeriodos, TS)) return;
    double mejor = motor::MejorInicial;
    MetodoElegido = LotificacionLoteALote;
    FilasDelPlan entrada;
    entrada.Guardar(Tabla, NPeriodos);
    // The winner's plan is kept rather than solved again: the methods are deterministic, so
    // solving it afresh from the same input would give the same rows.
    FilasDelPlan ganador;
    bool hayGanador = false;
    TCostesMRP costes;
    bool primero = true;
    for (const TipoLotificacion m : MetodosComparados) {
        if (!primero) entrada.Poner(Tabla, NPeriodos);
        primero = false;
        BuscarMetodo(m)->Rutina(NPeriodos, TS, SS, CE, CP, Redondear, Tabla, MetodoElegido);
        CalcularCostes(NPeriodos, Tabla, CE, CP, costes);
        // Strictly lower only: on equal totals the lowest code keeps the choice.
        const double total = costes.CTotal[NPeriodos + 1];
        if (total < mejor) {
            mejor = total;
            MetodoElegido = m;
            ganador.Guardar(Tabla, NPeriodos);
            hayGanador = true;
        }
    }
    if (hayGanador) {
        ganador.Poner(Tabla, NPeriodos);
    } else { // nothing below the starting value: lot-for-lot is the choice
        entrada.Poner(Tabla, NPeriodos);
        LoteALote(NPeriodos, TS, SS, CE, CP, Tabla);
    }
}
