// RejillaTexto
#include "RejillaTexto.h"
