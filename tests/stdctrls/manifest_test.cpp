#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/stdctrls/button.h"
#include "test_support.h"

namespace {

// The file of the module holding the address.
std::wstring ModuleFileOf(const void* address) {
  HMODULE module = nullptr;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          static_cast<LPCWSTR>(address), &module)) {
    return L"";
  }
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(module, path, MAX_PATH);
  std::wstring lower = path;
  for (wchar_t& c : lower) c = static_cast<wchar_t>(towlower(c));
  return lower;
}

// The program's manifest asks for common controls version 6: the platform's
// button then comes from that assembly's comctl32, not from user32.
TEST(Manifest, ButtonsComeFromCommonControlsSix) {
  std::unique_ptr<TForm> form(NewForm());
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  const std::wstring file = ModuleFileOf(reinterpret_cast<const void*>(button->DefWndProc()));
  EXPECT_NE(file.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6."), std::wstring::npos)
      << std::string(file.begin(), file.end());
  EXPECT_NE(file.find(L"comctl32.dll"), std::wstring::npos);
}

}  // namespace
