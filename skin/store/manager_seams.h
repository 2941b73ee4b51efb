#pragma once
// Where other pieces of the engine plug into the skin manager: the manager
// calls these, and each is defined beside the behaviour it stands for (menus,
// automatic window skinning, the application hook, extended borders), so the
// manager does not depend on those pieces' headers.

#include <windows.h>

class TsSkinManager;

// Popup-menu skinning: forget the measured menu border so it is measured again.
void ResetMenuBorderWidth(TsSkinManager& manager);
// Popup-menu skinning: skin the menus that exist already.
void ReskinExistingMenus(TsSkinManager& manager);
// Automatic window skinning: decide for a new top-level or activated window;
// true when it was taken care of.
bool TrySkinWindow(HWND window);
// Automatic window skinning: a window is going away.
void WindowDestroyed(HWND window);
// Application window hook of the default manager (taskbar window, hand-over).
void InstallApplicationHook(TsSkinManager& manager);
void RemoveApplicationHook(TsSkinManager& manager);
// Extended borders of every form of this manager are taken down.
void RemoveExtendedBorders(TsSkinManager& manager);
