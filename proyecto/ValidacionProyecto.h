// What refuses a project before anything is calculated: its horizon, every item's code, lead
// time, safety stock, method and costs, every list of components, and a cycle in the structure.
#pragma once

#include "Proyecto.h"

#include <QStringList>

#include <optional>
#include <vector>

// How a message names an item: «CODIGO», or its position when it has no valid code.
QString NombreArticulo(const Proyecto& proyecto, int indice);

// Why a code is refused, after "el código": the rule, or the item that has it already.
QString MotivoCodigoNoValido();
QString MotivoCodigoRepetido(int primero);

// A cycle's codes as its refusal shows them: "A → B → C → A".
QString CadenaCiclo(const QStringList& ciclo);

// One refusal as the user reads it, and the position of the item it names: the first of a
// cycle's; -1 when it is the project's own (its horizon).
struct RechazoProyecto {
    int Articulo = -1;
    QString Texto;
};

// Every refusal, each naming its item; empty when the project can be exploded. metodoComun, when
// given, stands for every item's method.
std::vector<RechazoProyecto>
RechazosPorArticulo(const Proyecto& proyecto,
                    std::optional<TipoLotificacion> metodoComun = std::nullopt);
// Their texts alone.
QStringList RechazosProyecto(const Proyecto& proyecto,
                             std::optional<TipoLotificacion> metodoComun = std::nullopt);
