// How a plan typed by hand was projected: each release typed in the PPL row and where it is
// received.
#pragma once

#include "ExplicacionMetodo.h"

#include <vector>

struct EmisionManualExplicada {
    int Emision = 0;
    double Cantidad = 0;
    int Recepcion = 0; // 0 when it would be received after the horizon
};

class ExplicacionManual final : public ExplicacionMetodo {
public:
    std::vector<EmisionManualExplicada> Emisiones; // in period order

    void Oir(const SucesoOido& suceso) override;
    void Redactar(const Articulo& articulo, TipoLotificacion metodo, const redaccion::Cifras& N,
                  Bloques& bloques) const override;
};
