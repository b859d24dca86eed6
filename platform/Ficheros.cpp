// Ficheros
#include "Ficheros.h"
