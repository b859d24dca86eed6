// Estadisticas
#include "Estadisticas.h"
