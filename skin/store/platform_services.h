#pragma once
// What the skin store needs from Windows: the program's folder, the
// "/actest" switch, the sizing-frame width, the hidden/system attribute test
// of skin lists, and a way to show messages.

#include <functional>
#include <string>
#include <vector>

#include "core/store/skin_services.h"

zelvan::store::TSkinServices PlatformSkinServices(
    std::function<void(zelvan::store::TMessageKind kind, const std::string& text)> showMessage);

// Whether a directory entry has the hidden or the system attribute.
bool IsHiddenOrSystemEntry(const std::u16string& path);

// The process's own command-line parameters, without the program's name.
std::vector<std::wstring> CommandLineParameters();
