// What the reader chooses a report to hold: its sections, the decimals of its figures and the
// lines of its cover. The window's dialog and quelmar-cli's options both fill it, from one list of
// the sections.
#pragma once

#include "CifrasLegibles.h"

#include <QString>

#include <array>

// The option of quelmar-cli that gives the decimals.
inline constexpr char OpcionDecimales[] = "--decimales";

struct EleccionInforme {
    bool ConDatos = true;              // the problem's parameters
    bool ConRegistro = true;           // the MRP record with its key, and the total cost
    bool ConGrafico = true;            // the chart of the plan
    bool ConComparacion = false;       // every method side by side, and their chart
    bool ConExplicacion = false;       // how the plan was made, decision by decision
    int Decimales = DecimalesLegibles; // of the figures of results (CifraLegible)
    // The cover's lines; one left empty is not written.
    QString Alumno;
    QString Grupo;
    QString Fecha;
    QString Ejercicio;
    bool operator==(const EleccionInforme&) const = default;
};

// A section the reader may leave in or out, in the report's order.
struct SeccionElegible {
    const char* Opcion; // quelmar-cli's option that turns it from its default to the other way
    const char* Texto;  // as the dialog's check box reads, UTF-8
    bool EleccionInforme::*Incluida;
};

inline constexpr std::array<SeccionElegible, 5> SeccionesElegibles{{
    {"--sin-datos", "Datos del problema", &EleccionInforme::ConDatos},
    {"--sin-registro", "Registro MRP y coste total", &EleccionInforme::ConRegistro},
    {"--sin-grafico", "Gráfico del plan", &EleccionInforme::ConGrafico},
    {"--comparar", "Comparación de métodos", &EleccionInforme::ConComparacion},
    {"--explicar", "Explicación del cálculo", &EleccionInforme::ConExplicacion},
}};

// A cover line the reader may fill in, in the cover's order.
struct LineaPortada {
    const char* Opcion; // quelmar-cli's option that gives it
    const char* Texto;  // its caption, UTF-8, without the colon
    QString EleccionInforme::*Valor;
};

inline constexpr std::array<LineaPortada, 4> LineasPortada{{
    {"--alumno", "Alumno", &EleccionInforme::Alumno},
    {"--grupo", "Grupo", &EleccionInforme::Grupo},
    {"--fecha", "Fecha", &EleccionInforme::Fecha},
    {"--ejercicio", "Ejercicio", &EleccionInforme::Ejercicio},
}};
