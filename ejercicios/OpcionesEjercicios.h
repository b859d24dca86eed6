// The options of a sheet of exercises, as quelmar-cli's "ejercicios" and the window's dialog take
// them: typed texts, checked and converted once, with a warning for the first that is wrong.
#pragma once

#include "AvisosProblema.h"
#include "MetodosLotificacion.h"

#include <QString>

#include <cstdint>
#include <optional>

// Whole numbers from Desde to Hasta, both included.
struct Intervalo {
    std::int32_t Desde = 0;
    std::int32_t Hasta = 0;
    bool operator==(const Intervalo&) const = default;
};

struct OpcionesEjercicios {
    int Cantidad = 10;
    std::optional<std::uint32_t> Semilla;   // the clock's without it
    std::optional<TipoLotificacion> Metodo; // without it, codes 0 to 5 in turn
    Intervalo Periodos{6, 10};
    std::optional<Intervalo> TiempoSuministro; // without it, by the difficulty
    std::optional<Intervalo> StockSeguridad;   // without it, by the difficulty
    int Dificultad = 1;
    bool operator==(const OpcionesEjercicios&) const = default;
};

inline constexpr int MaximoEjercicios = 200;
inline constexpr std::int32_t MaximoStockSeguridad = 1000;

// The options as typed; an empty text leaves its default. Intervals are written "A-B", or "A"
// for A alone.
struct TextosEjercicios {
    QString Cantidad, Semilla, Metodo, Periodos, TiempoSuministro, StockSeguridad, Dificultad;
};

// Converts and checks the texts in the order of the fields; the first that is wrong is warned
// of, and then nothing is returned. The lead time must stay below the fewest periods, so that
// every exercise plans something.
std::optional<OpcionesEjercicios> LeerOpcionesEjercicios(const TextosEjercicios& textos,
                                                         const Avisar& avisar);

// The lead time and safety stock an exercise is drawn from: the options', or the difficulty's.
Intervalo TiempoSuministroDe(const OpcionesEjercicios& opciones);
Intervalo StockSeguridadDe(const OpcionesEjercicios& opciones);
