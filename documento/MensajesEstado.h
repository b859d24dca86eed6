// What the main window's status bar says a command did.
#pragma once

#include "PortapapelesRejilla.h"
#include "ResultadoCalculo.h"

#include <QString>

#include <optional>

QString MensajeProblemaGuardado(const QString& fichero);
QString MensajeSolucionGuardada(const QString& fichero);
QString MensajeInformeGuardado(const QString& fichero);
QString MensajeProblemaAbierto(const QString& fichero);
QString MensajeHojaGuardada(const QString& fichero);
// "Importadas las necesidades brutas de 12 períodos de <fichero>".
QString MensajeNecesidadesImportadas(const QString& fichero, int periodos);
QString MensajeImpreso();

// The calculation the window keeps: the method whose plan it is and the total cost, as the grid
// writes numbers, and the periods it runs short in, whose negative holding cost is no saving; a new
// problem after "Nuevo".
QString MensajeCalculo(const std::optional<ResultadoCalculo>& calculo);

QString MensajeCopiado(int celdas);
// How many cells a paste wrote, how many of them the grid keeps out of view, and how many fields
// it left out for lying beyond any row or column the grid can have; nothing to paste when the
// clipboard held no field.
QString MensajePegado(const ResultadoPegado& pegado);
QString MensajeBorrado(int celdas);
