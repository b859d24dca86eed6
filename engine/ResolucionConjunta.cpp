// Several methods solved one after another from the same input, sharing their first passes.
#include "ResolucionConjunta.h"

#include "MotorInterno.h"

ResolucionConjunta::ResolucionConjunta(std::int32_t NPeriodos, std::int32_t TS, double SS,
                                       double CE, double CP, bool Redondear, TTablaMRP& Tabla)
    : NPeriodos_(NPeriodos), TS_(TS), SS_(SS), CE_(CE), CP_(CP), Redondear_(Redondear),
      valida_(motor::DentroDelContrato(NPeriodos, TS)), Tabla_(Tabla),
      pasadas_(valida_ ? NPeriodos : 0, Tabla) {}

void ResolucionConjunta::Reponer() {
    if (valida_) pasadas_.Entrada(Tabla_);
}

// A routine that takes the shared passes puts back what it needs of the input itself; the
// method table hands the others the whole input (ConParametrosDeLotificar).
double ResolucionConjunta::Resolver(TipoLotificacion codigo) {
    if (!valida_) return 0.0;
    if (const MetodoLotificacion* metodo = BuscarMetodo(codigo)) {
        std::int32_t elegido = 0;
        metodo->Rutina(NPeriodos_, TS_, SS_, CE_, CP_, Redondear_, Tabla_, elegido, &pasadas_);
    } else {
        pasadas_.Entrada(Tabla_);
    }
    return motor::PrecioTotal(NPeriodos_, Tabla_, CE_, CP_);
}
