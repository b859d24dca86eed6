// Ejecucion
#include "Ejecucion.h"
