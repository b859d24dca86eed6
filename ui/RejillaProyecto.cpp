// Only the inputs open for typing.
#include "RejillaProyecto.h"

#include "RejillaArticulo.h"

bool RejillaProyecto::edit(const QModelIndex& indice, EditTrigger disparo, QEvent* evento) {
    // The view also asks while it only moves the current cell; only a user's try is told.
    const bool pedido =
        disparo == DoubleClicked || disparo == AnyKeyPressed || disparo == EditKeyPressed;
    if (indice.isValid() && !CeldaDeEntrada(indice.column() + 1, indice.row() + 1, N_)) {
        if (pedido) emit CeldaCalculadaPedida();
        return false;
    }
    return RejillaTexto::edit(indice, disparo, evento);
}
