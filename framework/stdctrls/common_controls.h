#pragma once
// Registers the platform's common control classes (list view, tree view...)
// before a framework class is made a superclass of one of them.

#include <windows.h>

void EnsureCommonControls(DWORD classes);
