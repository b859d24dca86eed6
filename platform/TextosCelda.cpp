// TextosCelda
#include "TextosCelda.h"
