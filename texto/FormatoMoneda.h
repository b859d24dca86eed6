// Amounts of money in the user's locale, as the experiments report shows them.
#pragma once

#include <QString>

// The locale's currency format (symbol, placement, thousands grouping) with the given decimals;
// the general format with that precision when the value has more integer digits than that.
QString FormatoMoneda(double valor, int precision, int decimales);
