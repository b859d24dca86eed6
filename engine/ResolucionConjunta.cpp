// Several methods solved one after another from the same input, sharing their first passes.
#include "ResolucionConjunta.h"

#include "MotorInterno.h"

ResolucionConjunta::ResolucionConjunta(const TParametrosMRP& P, TTablaMRP& Tabla)
    : P_(P), valida_(motor::DentroDelContrato(P.N, P.TS)), Tabla_(Tabla),
      pasadas_(valida_ ? P.N : 0, Tabla) {}

void ResolucionConjunta::Reponer() {
    if (valida_) pasadas_.Entrada(Tabla_);
}

// A routine that takes the shared passes puts back what it needs of the input itself; the
// method table hands the others the whole input (ConParametrosDeLotificar).
double ResolucionConjunta::Resolver(TipoLotificacion codigo) {
    if (!valida_) return 0.0;
    if (const MetodoLotificacion* metodo = BuscarMetodo(codigo)) {
        std::int32_t elegido = 0;
        metodo->Rutina(P_, Tabla_, elegido, &pasadas_);
    } else {
        pasadas_.Entrada(Tabla_);
    }
    return motor::PrecioTotal(P_, Tabla_);
}
