// How POQ made its plan: the mean demand, the interval and the windows that gather the lot-for-lot
// releases.
#pragma once

#include "ExplicacionMetodo.h"
#include "LotesDemandaMedia.h"

#include <optional>
#include <utility>
#include <vector>

// A window: the periods it spans, the lot-for-lot releases it gathered (period, quantity; none of
// 0) and the release they make in its first period.
struct VentanaExplicada {
    int Desde = 0;
    int Hasta = 0;
    std::vector<std::pair<int, double>> Emisiones;
    double Total = 0;
};

class ExplicacionPOQ final : public ExplicacionMetodo {
public:
    std::optional<SucesoDemandaMedia> Demanda; // before any rounding
    std::optional<SucesoIntervalo> Intervalo;
    std::optional<int> PrimeraEmision; // s; 0 when lot-for-lot releases nothing
    std::vector<VentanaExplicada> Ventanas;

    void Oir(const SucesoOido& suceso) override;
    void Redactar(const Articulo& articulo, TipoLotificacion metodo, const redaccion::Cifras& N,
                  Bloques& bloques) const override;

private:
    std::vector<std::pair<int, double>> agrupadas_; // of the window being heard
};
