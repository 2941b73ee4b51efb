#include "skin/store/platform_services.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>

namespace {

std::u16string ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::u16string folder(reinterpret_cast<const char16_t*>(path), length);
  folder.erase(folder.find_last_of(u"\\/") + 1);
  return folder;
}

bool TestSwitchGiven() {
  for (const std::wstring& parameter : CommandLineParameters()) {
    if (lstrcmpiW(parameter.c_str(), L"/actest") == 0) return true;
  }
  return false;
}

}  // namespace

std::vector<std::wstring> CommandLineParameters() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return {};
  std::vector<std::wstring> parameters(arguments + std::min(count, 1), arguments + count);
  LocalFree(arguments);
  return parameters;
}

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
