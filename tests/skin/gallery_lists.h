#pragma once
// Gallery page of the skinned list view (10,000 rows), tree view and scroll box.
#include <string>

class TBitmap;
class TsSkinManager;

bool WriteListPage(TsSkinManager& manager, const std::wstring& path, bool (*writePng)(TBitmap&, const std::wstring&));
