// The parameters of one item's plan, as every routine of the engine takes them.
#pragma once

#include <cstdint>

struct TParametrosMRP {
    std::int32_t N = 0;    // periods of the horizon
    std::int32_t TS = 0;   // lead time
    double SS = 0;         // safety stock
    double CE = 0;         // ordering cost
    double CP = 0;         // holding cost
    bool Redondear = true; // EOQ orders a whole number
    bool operator==(const TParametrosMRP&) const = default;
};
