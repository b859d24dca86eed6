// A student's MRP record checked cell by cell against the exact one, as "Comprobar mi solución"
// and quelmar-cli's "corregir" both do: which cells are checked, when a typed value counts as
// right, and what the check found.
#pragma once

#include "AvisosProblema.h"
#include "ResultadoCalculo.h"
#include "TextosCelda.h"
#include "TextosProblema.h"

#include <QString>

#include <optional>
#include <vector>

enum class EstadoCelda {
    Correcta,
    Erronea,
    Falta, // empty where the record holds a value
};

struct CeldaComprobada {
    int Columna = 0; // the period; N + 1 for the total cost
    int Fila = 0;    // a row of the grid (FilaRejilla)
    EstadoCelda Estado = EstadoCelda::Correcta;
    double Exacto = 0;  // the record's value
    QString Tecleado;   // as typed
    bool Numero = true; // the typed text is a number (or empty)
};

struct Comprobacion {
    std::int32_t N = 0;
    // Period by period, and top to bottom within a period: the order the record is worked out.
    std::vector<CeldaComprobada> Celdas;
    int Correctas = 0;

    int Comprobadas() const { return int(Celdas.size()); }
    // The first cell that is not right; null when all are.
    const CeldaComprobada* PrimeraDiferencia() const;
};

inline constexpr double ToleranciaDefecto = 0.01;

inline const QString AvisoTolerancia =
    QStringLiteral("Especifique una tolerancia mayor o igual que 0.");
inline const QString AvisoMetodoComprobado =
    QStringLiteral("Seleccione el método de lotificación con el que resolvió el registro.");

// A tolerance as the user writes it, a number in the locale of 0 or more; nothing otherwise.
std::optional<double> LeerTolerancia(const QString& texto);

// A typed value is right when it differs from the exact one by at most the tolerance. A difference
// that is the tolerance itself, written in decimals, counts as within it whatever the binary
// rounding of the two numbers.
bool DentroDeTolerancia(double tecleado, double exacto, double tolerancia);

// Checks the result rows of the typed cells against the record: D from period 2, NN, RPPL and PPL
// and, when conCostes, Ce, Cp and CTotal with the total cost; each over the columns a solution
// file holds. An empty cell is right where the record holds exactly 0, and missing elsewhere; a
// text that is not a number is wrong.
Comprobacion ComprobarRegistro(const ResultadoCalculo& exacto, const TextosCelda& tecleadas,
                               bool conCostes, double tolerancia);

// What "Comprobar mi solución" checks against: the window's problem with its selected method,
// converted and refused as "Calcular" does, and calculated without touching the grid.
struct ComprobacionProblema {
    ResultadoCalculo Exacto;
    Comprobacion Celdas;
};
std::optional<ComprobacionProblema> ComprobarProblema(const TextosProblema& problema,
                                                      const TextosCelda& celdas, double tolerancia,
                                                      const Avisar& avisar);

// "NN, período 4"; "CTotal, total" for the plan's total cost.
QString LugarCelda(const CeldaComprobada& celda, std::int32_t N);

// "23 de 27 celdas correctas; la primera diferencia está en NN, período 4".
QString MensajeComprobacion(const Comprobacion& comprobacion);

// The cell's note for its tool tip; with the solution, the exact value of a cell that is not
// right.
QString NotaCelda(const CeldaComprobada& celda, bool conSolucion);
