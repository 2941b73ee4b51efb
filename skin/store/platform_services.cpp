#include "skin/store/platform_services.h"

#include <windows.h>

#include <shellapi.h>

namespace {

std::u16string ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::u16string folder(reinterpret_cast<const char16_t*>(path), length);
  folder.erase(folder.find_last_of(u"\\/") + 1);
  return folder;
}

bool TestSwitchGiven() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return false;
  bool found = false;
  for (int i = 1; i < count; ++i) {
    if (lstrcmpiW(arguments[i], L"/actest") == 0) found = true;
  }
  LocalFree(arguments);
  return found;
}

}  // namespace

bool IsHiddenOrSystemEntry(const std::u16string& path) {
  const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t*>(path.c_str()));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

zelvan::store::TSkinServices PlatformSkinServices(
    std::function<void(zelvan::store::TMessageKind kind, const std::string& text)> showMessage) {
  zelvan::store::TSkinServices services;
  services.ProgramFolder = ProgramFolder();
  services.ShowMessage = std::move(showMessage);
  services.TestSwitch = TestSwitchGiven();
  services.SizingFrameWidth = GetSystemMetrics(SM_CXFRAME);
  services.IsHiddenOrSystem = IsHiddenOrSystemEntry;
  return services;
}
