// FicheroSolucion
#include "FicheroSolucion.h"
