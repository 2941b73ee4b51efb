#include <gtest/gtest.h>

#include <cstring>

#include "core/paint/keyed_copy.h"
#include "tests/core/paint/bitmap_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Bitmap32;
using testing::Filled32;
using testing::Pixels;

TEST(BlendFromSource, KeepsShareXOfTheDestinationAndSkipsOnlyTheWholeKey) {
  auto destination = Filled32(3, 1, 0x40646464);
  const auto source = Bitmap32(3, 1, {0x00C9C9C9, 0x00FF00FF, 0x01FF00FF});
  BlendFromSource(*destination, 0, 0, kKeyColor, 0.5, {0, 0, 3, 1}, *source);
  // 201 - 0.5 * 101 = 150.5 -> 150; 255 - 0.5 * 155 = 177.5 -> 178; 0 + 50 = 50.
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{0x40969696, 0x40646464, 0x40B232B2}));

  auto shifted = Filled32(2, 1, 0x40646464);
  BlendFromSource(*shifted, -2, 0, kKeyColor, 0.5, {0, 0, 3, 1}, *source);
  EXPECT_EQ(Pixels(*shifted), (std::vector<uint32_t>{0x40B232B2, 0x40646464}));
}

TEST(CopyWithKey, CopiesNonKeyPixelsOpaqueAndClipped) {
  auto destination = Filled32(3, 1, 0x00000000);
  const auto source = Bitmap32(3, 1, {0x00FF00FF, 0x00123456, 0x01FF00FF});
  CopyWithKey(*destination, *source, 1, 0, kKeyColor);
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{0, 0, 0xFF123456}));

  // The key is a colour value: 0x00563412 in colour order is the pixel 0x00123456.
  auto keyed = Filled32(3, 1, 0);
  CopyWithKey(*keyed, *source, 0, 0, 0x00563412);
  EXPECT_EQ(Pixels(*keyed), (std::vector<uint32_t>{0xFFFF00FF, 0, 0xFFFF00FF}));
}

TEST(CopyWithKey, ReadsOtherFormatsAsThreeBytePixels) {
  image::TWorkingBitmap source(2, 1, image::TPixelFormat::pf24bit);
  const uint8_t bytes[] = {0xFF, 0x00, 0xFF, 0x56, 0x34, 0x12};  // B, G, R of magenta, then 0x123456
  std::memcpy(source.ScanLine(0), bytes, sizeof bytes);
  auto destination = Filled32(2, 1, 0x7F000000);
  CopyWithKey(*destination, source, 0, 0, kKeyColor);
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{0x7F000000, 0xFF123456}));

  image::TWorkingBitmap indexed(1, 1, image::TPixelFormat::pf8bit);
  indexed.ScanLine(0)[0] = 3;
  indexed.Palette()[3] = {0x10, 0x20, 0x30, 0};
  CopyWithKey(*destination, indexed, 0, 0, kKeyColor);
  EXPECT_EQ(Pixels(*destination)[0], 0xFF302010u);
}

}  // namespace
}  // namespace zelvan::paint
