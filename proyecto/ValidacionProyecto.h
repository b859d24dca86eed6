// What refuses a project before anything is calculated: its horizon, every item's code, lead
// time, safety stock, method and costs, every list of components, and a cycle in the structure.
#pragma once

#include "Proyecto.h"

#include <QStringList>

#include <optional>

// How a message names an item: «CODIGO», or its position when it has no valid code.
QString NombreArticulo(const Proyecto& proyecto, int indice);

// Every refusal as the user reads it, each naming its item; empty when the project can be
// exploded. metodoComun, when given, stands for every item's method.
QStringList RechazosProyecto(const Proyecto& proyecto,
                             std::optional<TipoLotificacion> metodoComun = std::nullopt);
