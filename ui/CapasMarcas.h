// The layers of marks the windows lay over the planning grid, lowest first: where two mark one
// cell, the colours of the higher one show.
#pragma once

enum CapaMarcas : int {
    CapaDesactualizada = 0, // results that belong to the previous data
    CapaRoturas = 1,        // periods whose projected stock is negative
    CapaEjercicio = 2,      // a student's record checked cell by cell
    CapaProyecto = 3,       // the project window's: its inputs shaded, and where figures come from
};
