// Traza
#include "Traza.h"
