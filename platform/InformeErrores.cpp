// InformeErrores
#include "InformeErrores.h"
