#pragma once
// Gallery page of automatically skinned windows: message boxes (one with its
// close faded) and a form without a provider of its own.
#include <string>

class TBitmap;
class TsSkinManager;

bool WriteAutoSkinPage(TsSkinManager& manager, const std::wstring& path, bool (*writePng)(TBitmap&, const std::wstring&));
