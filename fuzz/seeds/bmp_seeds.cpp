// BMP seeds: every bit depth, every header size, bit fields in and after the
// header, short palettes, top-down rows; and the headers the reader refuses.
#include <string>

#include "fuzz/seeds/seeds.h"
#include "tests/core/store/skin_fixture.h"

namespace zelvan::fuzz {

namespace {

using store::testing::BmpRecipe;
using store::testing::WriteBmp;

// A 5 x 3 picture: palette indexes for up to 8 bits, raw values above.
BmpRecipe Picture(int bits, uint32_t headerSize = 40) {
  BmpRecipe r;
  r.width = 5;
  r.height = 3;
  r.bits = bits;
  r.headerSize = headerSize;
  const auto noise = NoiseBytes(60, static_cast<uint32_t>(bits));
  for (size_t i = 0; i < 15; ++i) {
    const uint32_t value = noise[4 * i] | (noise[4 * i + 1] << 8) | (noise[4 * i + 2] << 16) |
                           (static_cast<uint32_t>(noise[4 * i + 3]) << 24);
    r.pixels.push_back(bits <= 8 ? value % (1u << bits) : bits == 16 ? value & 0xFFFF : value);
  }
  if (bits <= 8) {
    for (uint32_t i = 0; i < (1u << bits) && i < 16; ++i) r.palette.push_back(i * 0x102030u);
  }
  return r;
}

}  // namespace

TSeeds BmpSeeds() {
  TSeeds seeds;
  for (const int bits : {1, 4, 8, 16, 24, 32}) {
    seeds.push_back({"bits" + std::to_string(bits) + ".bmp", WriteBmp(Picture(bits))});
  }
  for (const int bits : {1, 4, 8, 24}) {
    seeds.push_back({"core-bits" + std::to_string(bits) + ".bmp", WriteBmp(Picture(bits, 12))});
  }
  for (const uint32_t size : {52u, 56u, 108u, 124u}) {
    BmpRecipe r = Picture(32, size);
    r.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    seeds.push_back({"header" + std::to_string(size) + "-bitfields32.bmp", WriteBmp(r)});
  }
  BmpRecipe r565 = Picture(16);
  r565.masks = {0xF800, 0x07E0, 0x001F};
  seeds.push_back({"bitfields565.bmp", WriteBmp(r565)});
  BmpRecipe noAlphaMask = Picture(32, 52);
  noAlphaMask.masks = {0xFF0, 0xF, 0xF000};
  seeds.push_back({"header52-odd-masks.bmp", WriteBmp(noAlphaMask)});

  BmpRecipe topDown = Picture(24);
  topDown.topDown = true;
  seeds.push_back({"top-down.bmp", WriteBmp(topDown)});
  BmpRecipe fewColors = Picture(8);
  fewColors.colorsUsed = 3;
  seeds.push_back({"colors-used-3.bmp", WriteBmp(fewColors)});
  BmpRecipe empty = Picture(24);
  empty.height = 0;
  empty.pixels.clear();
  seeds.push_back({"no-rows.bmp", WriteBmp(empty)});

  auto rle = WriteBmp(Picture(8));
  rle[30] = 1;  // BI_RLE8
  seeds.push_back({"rle8.bmp", rle});
  auto badHeader = WriteBmp(Picture(24));
  badHeader[14] = 64;
  seeds.push_back({"header64.bmp", badHeader});
  auto truncated = WriteBmp(Picture(24));
  truncated.resize(truncated.size() - 7);
  seeds.push_back({"truncated.bmp", truncated});
  return seeds;
}

}  // namespace zelvan::fuzz
