#include "framework/system/wide_text.h"

#include <windows.h>

#include "core/text/utf.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the Win32 side needs a 16-bit wchar_t");

std::wstring U16ToWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

std::u16string WideToU16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

std::wstring Utf8ToWide(std::string_view text) {
  return U16ToWide(zelvan::text::Utf8ToUtf16(text));
}

std::string WideToUtf8(std::wstring_view text) {
  return zelvan::text::Utf16ToUtf8(WideToU16(text));
}

std::wstring CodePageToWide(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
  return text;
}
