#include "core/text/cut_text.h"

namespace zelvan::text {
namespace {

constexpr std::u16string_view kEllipsis = u"...";

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Drops the last code point: a surrogate pair goes as a whole.
void DropLast(std::u16string& text) {
  const size_t n = text.size();
  const bool pair = n >= 2 && IsLowSurrogate(text[n - 1]) && IsHighSurrogate(text[n - 2]);
  text.resize(n - (pair ? 2 : 1));
}

}  // namespace

std::u16string CutText(std::u16string_view text, int width, const TTextMeasure& measure) {
  std::u16string result = width > 0 ? std::u16string(text) : std::u16string();
  if (result.empty() || measure(result) <= width) return result;
  while (!result.empty()) {
    if (measure(result + std::u16string(kEllipsis)) <= width) break;
    DropLast(result);
  }
  if (!result.empty()) result += kEllipsis;
  return result;
}

}  // namespace zelvan::text
