// UTF-8 seeds: plain, Chinese, four-byte sequences, and the malformed forms
// the converter replaces (overlong, surrogate, cut, stray continuation).
#include "fuzz/seeds/seeds.h"

namespace zelvan::fuzz {

namespace {

std::vector<uint8_t> Bytes(const char* text) {
  std::vector<uint8_t> out;
  for (; *text != 0; ++text) out.push_back(static_cast<uint8_t>(*text));
  return out;
}

}  // namespace

TSeeds UtfSeeds() {
  return {
      {"ascii.txt", Bytes("Skins\\Air.asz")},
      {"chinese.txt", Bytes("\xE6\x89\xB9\xE9\x87\x8F\xE6\x94\xB9\xE5\x90\x8D")},
      {"four-bytes.txt", Bytes("\xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF")},
      {"malformed.txt", Bytes("\xC0\xAF \xED\xA0\x80 \xE6\x89 \x80 \xF5\x80\x80\x80 \xE0\x80\x80")},
  };
}

}  // namespace zelvan::fuzz
