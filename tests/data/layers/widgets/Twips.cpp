#include "widgets/Twips.h"
#include "dialogs/frmOptions.h"
