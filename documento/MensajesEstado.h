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
// writes numbers; a new problem after "Nuevo".
QString MensajeCalculo(const std::optional<ResultadoCalculo>& calculo);

QString MensajeCopiado(int celdas);
// How many cells a paste wrote and how many of them lie beyond the grid; nothing to paste when
// it wrote none.
QString MensajePegado(const ResultadoPegado& pegado);
QString MensajeBorrado(int celdas);
