// The two calculations of an item, on its numbers alone: planned with its method, or projected
// from releases typed by hand. Each records how the plan was made and sets every method beside it.
#pragma once

#include "Articulo.h"
#include "ResultadoCalculo.h"

// Plans the item with its method, recording how, and prices the plan. Throws the engine's errors.
ResultadoCalculo CalcularSeleccionada(const Articulo& articulo);

// Projects and prices the releases in the item's PPL row, recording where each is received; the
// method is not used. The user's plan joins the methods side by side.
ResultadoCalculo CalcularManual(const Articulo& articulo);
