#include "core/text/utf.h"

#include <cstdint>

namespace zelvan::text {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

void AppendUtf16(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (IsHighSurrogate(u) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      const char32_t cp = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) +
                          (static_cast<char32_t>(text[i + 1]) - 0xDC00);
      AppendUtf8(out, cp);
      ++i;
    } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, u);
    }
  }
  return out;
}

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<uint8_t>(text[i]);
    if (lead < 0x80) {
      out.push_back(lead);
      ++i;
      continue;
    }
    // Lead byte decides the length and the allowed range of the second byte,
    // which rules out overlong forms, surrogates and values past U+10FFFF.
    size_t length = 0;
    uint8_t lo = 0x80, hi = 0xBF;
    char32_t cp = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      cp = lead & 0x0F;
      if (lead == 0xE0) lo = 0xA0;
      if (lead == 0xED) hi = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      cp = lead & 0x07;
      if (lead == 0xF0) lo = 0x90;
      if (lead == 0xF4) hi = 0x8F;
    } else {
      AppendUtf16(out, kReplacement);
      ++i;
      continue;
    }
    size_t taken = 1;
    bool complete = true;
    for (; taken < length; ++taken) {
      if (i + taken >= text.size()) {
        complete = false;
        break;
      }
      const auto b = static_cast<uint8_t>(text[i + taken]);
      const uint8_t min = taken == 1 ? lo : 0x80;
      const uint8_t max = taken == 1 ? hi : 0xBF;
      if (b < min || b > max) {
        complete = false;
        break;
      }
      cp = (cp << 6) | (b & 0x3F);
    }
    // A broken sequence yields one U+FFFD for its valid prefix (the maximal
    // subpart) and decoding resumes at the offending byte.
    AppendUtf16(out, complete ? cp : kReplacement);
    i += taken;
  }
  return out;
}

}  // namespace zelvan::text
