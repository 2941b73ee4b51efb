#pragma once
// Gallery page of extended borders (a form's soft shadow, active and
// inactive) and of a title bar item's fade and caption glow.
#include <string>

class TBitmap;
class TsSkinManager;

bool WriteBorderPage(TsSkinManager& manager, const std::wstring& path, bool (*writePng)(TBitmap&, const std::wstring&));
