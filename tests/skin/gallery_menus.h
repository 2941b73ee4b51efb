#pragma once
// Gallery pages of popup menus and of caption buttons in each state.
#include <string>

class TBitmap;
class TsSkinManager;

bool WriteMenuPage(TsSkinManager& manager, const std::wstring& path, bool (*writePng)(TBitmap&, const std::wstring&));
bool WriteCaptionButtonPage(TsSkinManager& manager, const std::wstring& path,
                            bool (*writePng)(TBitmap&, const std::wstring&));
