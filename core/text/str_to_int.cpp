#include "core/text/str_to_int.h"

namespace zelvan::text {
namespace {

int DigitValue(char c, int base) {
  int v = 36;
  if (c >= '0' && c <= '9') v = c - '0';
  else if (c >= 'a' && c <= 'z') v = c - 'a' + 10;
  else if (c >= 'A' && c <= 'Z') v = c - 'A' + 10;
  return v < base ? v : -1;
}

[[noreturn]] void Fail(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace

int32_t StrToInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) Fail(text);
  // Hexadecimal may fill all 32 bits (the top bit makes it negative);
  // decimal must fit the signed range.
  const uint64_t limit = base == 16 ? 0xFFFFFFFFull : negative ? 0x80000000ull : 0x7FFFFFFFull;
  uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i], base);
    if (digit < 0) Fail(text);
    value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
    if (value > limit) Fail(text);
  }
  const auto bits = static_cast<uint32_t>(value);
  return static_cast<int32_t>(negative ? 0u - bits : bits);
}

}  // namespace zelvan::text
