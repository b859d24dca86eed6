// ProblemaAleatorio
#include "ProblemaAleatorio.h"
