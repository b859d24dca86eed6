// Exercises drawn for working by hand: each a problem with whole numbers that come out even (the
// economic lot of EOQ and POQ a whole multiple of the mean demand), its method and its solution.
// The same options and seed always draw the same exercises.
#pragma once

#include "OpcionesEjercicios.h"
#include "ResultadoCalculo.h"
#include "TextosCelda.h"
#include "TextosProblema.h"

#include <QString>

#include <cstdint>
#include <vector>

struct Ejercicio {
    int Numero = 0;          // from 1
    QString Fichero;         // its problem file's name: "ejercicio07.lot"
    TextosProblema Problema; // the fields as a window opening the file shows them
    TextosCelda Celdas;      // the grid rows NB, D and RP of periods 1 to N
    ResultadoCalculo Solucion;
};

// The problem file of exercise numero of a sheet of cantidad: "ejercicio07.lot", numbered with as
// many digits as cantidad has, two at least.
QString FicheroEjercicio(int numero, int cantidad);

// Draws opciones.Cantidad exercises from the semilla with the experiments' generator. Every number
// is a whole one, quantities multiples of 5 and receipts and initial stock of 10; level 3 gives
// holding costs with one decimal. A problem that would take stock below zero is never drawn: the
// periods within the first lead time have no requirement, or the initial stock and the receipts
// on their way cover them and the safety stock.
std::vector<Ejercicio> GenerarEjercicios(const OpcionesEjercicios& opciones, std::uint32_t semilla);
