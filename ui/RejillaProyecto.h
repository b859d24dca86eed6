// The planning grid of the project window: the main window's grid, in which only the item's
// inputs open for typing (RejillaArticulo.h says which); the rest is worked out by "Calcular".
#pragma once

#include "RejillaTexto.h"

#include <cstdint>

class RejillaProyecto : public RejillaTexto {
    Q_OBJECT
public:
    using RejillaTexto::edit;
    using RejillaTexto::RejillaTexto;

    // The horizon whose input cells open.
    void PonerPeriodos(std::int32_t N) { N_ = N; }

signals:
    // The user tried to type into a cell that is worked out.
    void CeldaCalculadaPedida();

protected:
    bool edit(const QModelIndex& indice, EditTrigger disparo, QEvent* evento) override;

private:
    std::int32_t N_ = 0;
};
