// What the report of an exploded project holds, in the sections every report is made of: the
// structure as an indented list, the project's costs, the summary of its items and the policies
// compared, then every item's data, record and chart in the order of the calculation.
#pragma once

#include "ContenidoInforme.h"
#include "ExplosionProyecto.h"
#include "PoliticasProyecto.h"

#include <QString>

#include <vector>

inline const QString TituloInformeProyecto = QStringLiteral("Quelmar — proyecto MRP");

struct OpcionesInformeProyecto {
    QString FicheroProyecto; // a path; empty when the project has no file
    bool VerCostes = true;   // the records show the cost rows
};

// Never throws.
ContenidoInforme ConstruirInformeProyecto(const Proyecto& proyecto,
                                          const ResultadoProyecto& resultado,
                                          const std::vector<PoliticaProyecto>& politicas,
                                          const OpcionesInformeProyecto& opciones);
