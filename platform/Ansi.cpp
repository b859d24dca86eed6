// Ansi
#include "Ansi.h"
