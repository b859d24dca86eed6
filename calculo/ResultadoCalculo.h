// What a calculation leaves: the item it solved, the plan, its costs, the method whose plan it is,
// how the plan was made and every method side by side. The main window keeps the last one, and
// every view and report reads its numbers from here, never from the grid.
#pragma once

#include "Articulo.h"
#include "ComparacionMetodos.h"
#include "ExplicacionCalculo.h"
#include "LotificaUnit.h"

struct ResultadoCalculo {
    Articulo Problema;
    TipoCalculo Tipo = TipoCalculo::Seleccionado;
    TTablaMRP Tabla;   // the plan: the inputs with NN, RPPL, PPL and D computed
    TCostesMRP Costes; // priced; CTotal[N + 1] is the total cost
    // The method whose plan this is: after "Mejor de las anteriores" the winner; the item's
    // method otherwise (-1 when none, and then nothing was planned); -1 after a manual calculation.
    TipoLotificacion Metodo = -1;
    // The decisions that made the plan, recorded by the very run that made it.
    ExplicacionCalculo Explicacion;
    // Every method and the optimum on the same item, and the user's plan after a manual
    // calculation.
    ComparacionMetodos Comparacion;

    double CosteTotal() const { return Costes.CTotal[Problema.N + 1]; }
};
