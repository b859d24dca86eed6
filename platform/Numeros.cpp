// Numeros
#include "Numeros.h"
