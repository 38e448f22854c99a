#include "model/Show.h"
#include "showfile/ShowFunctions.h"
