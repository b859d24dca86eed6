// A manual plan, explained.
#include "ExplicacionManual.h"

#include "Redaccion.h"
#include "TextosLotificacion.h"

using namespace redaccion;

// A release of 0 is no release.
void ExplicacionManual::Oir(const SucesoOido& suceso) {
    if (const auto* recepcion = suceso.Como<SucesoRecepcion>()) {
        if (recepcion->Cantidad != 0.0)
            Emisiones.push_back({recepcion->Emision, recepcion->Cantidad, recepcion->Recepcion});
    } else if (const auto* fuera = suceso.Como<SucesoEmisionFueraDelHorizonte>()) {
        if (fuera->Cantidad != 0.0) Emisiones.push_back({fuera->Emision, fuera->Cantidad, 0});
    }
}

void ExplicacionManual::Redactar(const Articulo& articulo, TipoLotificacion /*metodo*/,
                                 const Cifras& N, Bloques& bloques) const {
    BloqueExplicacion bloque;
    bloque.Titulo = TextoCalculoManual;
    bloque.Parrafos << QStringLiteral("Las emisiones escritas en la fila PPL se reciben ") +
                           (articulo.TS == 0
                                ? QStringLiteral("en su mismo periodo")
                                : Periodos(articulo.TS) + QStringLiteral(" después (el plazo de "
                                                                         "suministro)")) +
                           QStringLiteral(". Una emisión que se recibiría después del periodo "
                                          "%1 se cobra como pedido, pero no se recibe.")
                               .arg(articulo.N);
    if (Emisiones.empty()) {
        bloque.Notas << QStringLiteral("La fila PPL no tiene emisiones: no se recibe nada.");
    } else {
        bloque.Cabecera = {QStringLiteral("Emisión en"), QStringLiteral("Cantidad"),
                           QStringLiteral("Recepción en")};
        for (const EmisionManualExplicada& emision : Emisiones)
            bloque.Filas.push_back({E(emision.Emision), N(emision.Cantidad),
                                    emision.Recepcion != 0
                                        ? E(emision.Recepcion)
                                        : QStringLiteral("después del horizonte: no se recibe")});
    }
    bloques.push_back(std::move(bloque));
}
