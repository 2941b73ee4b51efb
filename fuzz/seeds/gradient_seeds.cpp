// Gradient seeds: four bytes placing the rect, then the text of one or more
// five-field pieces (colour, colour, percent, mode, unused), as skins write them.
#include <string>

#include "fuzz/seeds/seeds.h"

namespace zelvan::fuzz {

namespace {

std::vector<uint8_t> Seed(std::initializer_list<uint8_t> rect, const std::string& text) {
  std::vector<uint8_t> out(rect);
  out.insert(out.end(), text.begin(), text.end());
  return out;
}

}  // namespace

TSeeds GradientSeeds() {
  return {
      {"vertical.txt", Seed({0, 0, 40, 30}, "255;65280;100;0;0")},
      {"horizontal.txt", Seed({4, 4, 40, 20}, "255;65280;100;1;0")},
      {"two-pieces.txt", Seed({0, 0, 48, 32}, "255;65280;50;1;0;16711680;0;50;1;0")},
      {"three-vertical.txt", Seed({0, 0, 48, 32}, "0;16777215;30;0;0;16777215;255;30;0;0;255;0;40;0;0")},
      {"triangles.txt", Seed({0, 0, 48, 32}, "1;2;50;2;0;$FF;$FF00;50;3;0;$FF0000;0;0;0;0")},
      {"one-colour.txt", Seed({2, 2, 30, 30}, "$808080;$808080;60;0;0;$808080;$808080;40;1;0")},
      {"other-mode.txt", Seed({0, 0, 48, 32}, "1;2;100;7;0")},
      {"outside.txt", Seed({0xF0, 0xF0, 0x7F, 0x7F}, "255;65280;150;0;0;255;0;-5;1;0")},
      {"empty-rect.txt", Seed({20, 20, 2, 2}, "255;65280;100;0;0")},
      {"short.txt", Seed({0, 0, 10, 10}, "1;2;3;4;5;6")},
      {"not-a-number.txt", Seed({0, 0, 10, 10}, "red;2;3;4;5")},
      {"empty-words.txt", Seed({0, 0, 10, 10}, ";;1;;2;3;4;5;;")},
  };
}

}  // namespace zelvan::fuzz
