#pragma once
// Conversions between the core's UTF-16 texts (the platform's native text on
// Windows) and UTF-8 (file names on Linux, source literals, test output).
// Malformed input never fails: each bad unit becomes U+FFFD.

#include <string>
#include <string_view>

namespace zelvan::text {

std::string Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace zelvan::text
