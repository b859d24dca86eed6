// Informe
#include "Informe.h"
