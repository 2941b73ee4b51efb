#pragma once
// The Win32 side keeps text as std::wstring (UTF-16 on Windows); the core
// speaks std::u16string. These convert between them, UTF-8 and the
// platform's 8-bit code page.

#include <string>
#include <string_view>

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
std::wstring U16ToWide(std::u16string_view text);
std::u16string WideToU16(std::wstring_view text);
std::wstring CodePageToWide(std::string_view bytes);  // the platform's ANSI code page (CP_ACP)
