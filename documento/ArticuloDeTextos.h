// The main window's problem as an item: its texts checked and converted to numbers once per
// calculation, in the order each calculation has always met them, so that of several bad texts
// the same one is reported and the same warnings are shown in the same order. A problem file
// becomes an item the same way, through the texts a fresh window would hold after opening it.
#pragma once

#include "Articulo.h"
#include "AvisosProblema.h"
#include "ResultadoCalculo.h"
#include "TextosCelda.h"
#include "TextosProblema.h"

#include <QString>
#include <QStringList>

#include <optional>

// For a calculation with a method: costs typed as "0" when the method asks for costs (the texts
// are compared, not their numbers: "0,0" passes), then the gross requirements, then the horizon,
// then the grid's inputs and the fields (the lead time, the safety stock and both costs before the
// lead time is checked). For a manual calculation: the requirements, the horizon, the grid's
// inputs with the typed releases, the safety stock and the lead time, its check, then the costs.
// Every warning is shown before the command gives up; nothing when one refused it. Last, the
// optimum is refused costs that are not comparable. Throws EConvertErrorEn (LugarTexto.h) at the
// first text that does not convert: the platform's message, and the field or cell of the text.
std::optional<Articulo> ArticuloDeTextos(TipoCalculo tipo, const TextosProblema& problema,
                                         const TextosCelda& celdas, const Avisar& avisar);

// Whether the texts no longer give the item that was calculated: a file opened since, a typed
// change. The method selected does not count: a report names the one calculated.
bool ProblemaCambiado(const TextosProblema& problema, const TextosCelda& celdas,
                      const ResultadoCalculo& calculado);

// The grid's inputs as typed, for a report of a problem not yet calculated.
struct RejillaTecleada {
    std::int32_t N = 0;
    QStringList NB, RP; // periods 1 to N
    QString D1;         // the initial stock
};
// Nothing when the number of periods does not give a horizon that can be calculated.
std::optional<RejillaTecleada> RejillaDeTextos(const TextosProblema& problema,
                                               const TextosCelda& celdas);

// What the command line can set on a problem file before it is calculated.
struct OpcionesFichero {
    std::optional<TipoLotificacion> Metodo; // instead of the file's
    bool Redondear = true;
};

// The item of a problem file, for a calculation with its method: the file opened as "Abrir"
// opens it into a fresh window (a horizon the grid cannot show refused with its warning), then
// converted as ArticuloDeTextos does. Throws EInOutError and EConvertError.
std::optional<Articulo> ArticuloDeFichero(const QString& ruta, const OpcionesFichero& opciones,
                                          const Avisar& avisar);
