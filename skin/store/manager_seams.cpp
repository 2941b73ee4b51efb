#include "skin/store/manager_seams.h"

void InstallApplicationHook(TsSkinManager&) {}
void RemoveApplicationHook(TsSkinManager&) {}
void RemoveExtendedBorders(TsSkinManager&) {}

