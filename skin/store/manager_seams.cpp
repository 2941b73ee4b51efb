#include "skin/store/manager_seams.h"

void RemoveExtendedBorders(TsSkinManager&) {}

