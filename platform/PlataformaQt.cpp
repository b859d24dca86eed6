// PlataformaQt
#include "PlataformaQt.h"
