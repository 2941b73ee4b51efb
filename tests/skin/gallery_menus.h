#pragma once
// Gallery pages of popup menus and of caption buttons in each state.
#include <windows.h>

#include <string>

class TBitmap;
class TsSkinManager;

// A window as the screen shows it, into page at (x, y).
void CopyWindowFromScreen(HWND window, TBitmap& page, int x, int y);

bool WriteMenuPage(TsSkinManager& manager, const std::wstring& path, bool (*writePng)(TBitmap&, const std::wstring&));
bool WriteCaptionButtonPage(TsSkinManager& manager, const std::wstring& path,
                            bool (*writePng)(TBitmap&, const std::wstring&));
