// FicheroProblema
#include "FicheroProblema.h"
