#include "core/rename/naming.h"

#include <algorithm>
#include <array>

namespace zelvan::rename {

namespace {

char16_t AsciiUpper(char16_t c) { return (c >= u'a' && c <= u'z') ? c - u'a' + u'A' : c; }

bool IsDeviceName(std::u16string_view name) {
  // The platform maps these names to devices whatever extension follows.
  std::u16string_view base = name.substr(0, name.find(u'.'));
  while (!base.empty() && base.back() == u' ') base.remove_suffix(1);
  std::u16string upper(base);
  std::transform(upper.begin(), upper.end(), upper.begin(), AsciiUpper);
  static constexpr std::array<std::u16string_view, 4> kFixed = {u"CON", u"PRN", u"AUX", u"NUL"};
  if (std::find(kFixed.begin(), kFixed.end(), upper) != kFixed.end()) return true;
  return upper.size() == 4 && (upper.starts_with(u"COM") || upper.starts_with(u"LPT")) &&
         upper[3] >= u'1' && upper[3] <= u'9';
}

}  // namespace

void AppendPadded(std::u16string& out, int64_t value, int digits) {
  // Digits from the right into a buffer wide enough for any int64, its sign
  // and the largest padding.
  char16_t buffer[kMaxPaddedDigits + 24];
  char16_t* end = buffer + sizeof(buffer) / sizeof(buffer[0]);
  char16_t* p = end;
  const bool negative = value < 0;
  uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  do {
    *--p = static_cast<char16_t>(u'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) *--p = u'-';
  // The zeros go before the whole text, a sign included.
  const int width = std::clamp(digits, 0, kMaxPaddedDigits);
  while (end - p < width) *--p = u'0';
  out.append(p, end);
}

std::u16string PadNumber(int64_t value, int digits) {
  std::u16string text;
  AppendPadded(text, value, digits);
  return text;
}

int EffectiveDigitCount(int digit_count, size_t row_count) {
  if (digit_count == 0) return 0;
  const int width = static_cast<int>(std::to_string(row_count).size());
  return width > digit_count ? width : digit_count;
}

std::u16string_view ExtensionView(std::u16string_view name) {
  const size_t at = name.find_last_of(u".\\:");
  if (at == std::u16string_view::npos || name[at] != u'.') return {};
  return name.substr(at);
}

std::u16string ExtensionOf(std::u16string_view name) { return std::u16string(ExtensionView(name)); }

std::u16string FolderOwnName(std::u16string_view path) {
  const size_t at = path.find_last_of(u"\\:");
  if (at == std::u16string_view::npos) return std::u16string(path);
  return std::u16string(path.substr(at + 1));
}

bool IsSafeEntryName(std::u16string_view name) {
  if (name.empty() || name == u"." || name == u".." || name.size() > kMaxEntryNameLength) {
    return false;
  }
  for (const char16_t c : name) {
    if (c < 0x20 || std::u16string_view(u"<>:\"/\\|?*").find(c) != std::u16string_view::npos) {
      return false;
    }
  }
  return !IsDeviceName(name);
}

}  // namespace zelvan::rename
