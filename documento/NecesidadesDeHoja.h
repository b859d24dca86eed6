// Gross requirements brought in from a spreadsheet: read from the first sheet of a .csv or .xlsx
// file, checked, and put into the problem's texts as the user would type them.
#pragma once

#include "AvisosProblema.h"
#include "LecturaHoja.h"
#include "TextosCelda.h"
#include "TextosProblema.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

struct NecesidadesImportadas {
    int N = 0;
    QStringList NB, RP; // the texts of periods 1 to N; RP all empty when the sheet has none
    bool operator==(const NecesidadesImportadas&) const = default;
};

// The requirements in one row (or one column) of the sheet, the scheduled receipts optionally in
// the next, each line optionally headed by a name in its first cell (a text that begins with a
// letter). What the sheet holds starts where its first filled cell is; empty cells among the
// figures are periods without any. Otherwise the warning that refuses the sheet: a cell that is
// not a number, named by its row and column as a spreadsheet shows them; no figures; more periods
// than the records hold; or figures in more than two rows and two columns.
std::variant<NecesidadesImportadas, QString> NecesidadesDeHoja(const TablaLeida& tabla);

// Reads the file and its requirements; nothing, after a warning, when they cannot be taken.
// Throws EInOutError when the file cannot be read.
std::optional<NecesidadesImportadas> LeerNecesidades(const QString& ruta, const Avisar& avisar);

// As typing them: N in its field, the NB and RP cells of periods 1 to N. The NB and RP cells after
// period N are emptied, so that a larger N shows no requirement the sheet did not hold. Nothing
// else changes: the initial stock, the releases typed for a manual calculation, the results.
void PonerNecesidades(const NecesidadesImportadas& necesidades, TextosProblema& problema,
                      TextosCelda& celdas);
