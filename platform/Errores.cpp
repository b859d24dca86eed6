// Errores
#include "Errores.h"
