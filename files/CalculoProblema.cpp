// CalculoProblema
#include "CalculoProblema.h"
