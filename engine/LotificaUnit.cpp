// The lot-sizing engine.
#include "LotificaUnit.h"
