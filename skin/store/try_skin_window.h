#pragma once
// The window hook's routing: which new windows go to the automatic skinning
// (TrySkinWindow, declared with the manager's seams) and which popup-menu
// windows get the menu wrapper.

#include <windows.h>

#include <string>

// A window is being created (the hook's creation event, before its first message).
void AutoSkinCreatedWindow(HWND window, const CREATESTRUCTW& create);

// Class names of framework forms that are never skinned automatically.
bool ExcludedFromAutoSkinning(const std::wstring& className);
