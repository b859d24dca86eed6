// Generador
#include "Generador.h"
