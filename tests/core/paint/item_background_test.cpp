// The background of a section over its parent and the fill by shares: exact
// pixels on tiny bitmaps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/paint/gradient_paint.h"
#include "core/paint/item_background.h"
#include "core/paint/item_fill.h"
#include "tests/core/paint/item_skin_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Filled32;
using testing::ItemSkin;
using testing::Pixels;
using testing::Values;

constexpr uint32_t kParentBlock = 1;  // expected: the parent's block behind the rect
constexpr TColor kWhite = 0x00FFFFFF;

// A 4 x 3 parent picture with distinct pixels.
std::unique_ptr<image::TWorkingBitmap> ParentPicture() {
  auto parent = image::CreateBmp32(4, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) parent->Row32(y)[x] = 0xFF102030u + static_cast<uint32_t>(x + 16 * y);
  return parent;
}

struct BackgroundCase {
  const char* name;
  store::TsGenState values;
  bool ready;           // the parent answered with its picture
  TColor parentColor;   // FillColor of the answer
  TColor customColor;
  uint32_t expected;    // every pixel, or kParentBlock
};

class ItemBackground : public ::testing::TestWithParam<BackgroundCase> {};

// A 2 x 2 rect at offset (1, 1) of a child whose origin is (1, 0) in the
// parent: the parent block starts at (2, 1).
TEST_P(ItemBackground, ComposesTheSectionWithItsParent) {
  const BackgroundCase& c = GetParam();
  ItemSkin skin;
  const int section = skin.AddSection(c.values);
  auto parent = ParentPicture();
  TCacheInfo info;
  info.FillColor = c.parentColor;
  if (c.ready) info = {parent.get(), 1, 0, c.parentColor, true};
  auto target = Filled32(2, 2, 0x12345678);
  PaintItemBackground(section, "S0", info, c.customColor, -1, -1, &skin.Store(), *target, {1, 1}, {0, 0, 2, 2}, 0);
  std::vector<uint32_t> expected(4, c.expected);
  if (c.expected == kParentBlock)
    expected = {parent->Row32(1)[2], parent->Row32(1)[3], parent->Row32(2)[2], parent->Row32(2)[3]};
  EXPECT_EQ(Pixels(*target), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ItemBackground,
    ::testing::Values(
        BackgroundCase{"transparency_100_copies_the_parent_block", Values(kWhite, 100), true, kKeyColor, kKeyColor,
                       kParentBlock},
        BackgroundCase{"transparency_100_without_picture_fills_the_parent_colour", Values(kWhite, 100), false,
                       0x000000FF, kKeyColor, 0xFFFF0000},
        // Round(0.5 * 0 + 0.5 * 255), ties to even.
        BackgroundCase{"transparency_50_without_picture_mixes_the_colours", Values(kWhite, 50), false, 0, kKeyColor,
                       0xFF808080},
        BackgroundCase{"nothing_known_of_the_parent_paints_the_fill", Values(0x00332211, 50), false, kKeyColor,
                       kKeyColor, 0xFF112233},
        BackgroundCase{"transparency_0_paints_the_fill", Values(0x00332211, 0), true, kKeyColor, kKeyColor,
                       0xFF112233},
        BackgroundCase{"a_custom_colour_is_opaque_and_plain", Values(kWhite, 100, 100), true, kKeyColor, 0x0000FF00,
                       0xFF00FF00},
        // Values from a skin file beyond 0..100 count as the nearest end.
        BackgroundCase{"transparency_above_100_counts_as_100", Values(kWhite, 150), true, kKeyColor, kKeyColor,
                       kParentBlock},
        BackgroundCase{"negative_transparency_counts_as_0", Values(0x00332211, -30), true, kKeyColor, kKeyColor,
                       0xFF112233}),
    [](const auto& test) { return std::string(test.param.name); });

// Over a black picture, white at t = 50: weight 128 keeps 128/256 of the
// parent for the items, 127 (t * 255 div 100) for the wrappers.
TEST(ItemBackground, HalfTransparentOverAPictureBlendsByTheRoundedWeight) {
  ItemSkin skin;
  const int section = skin.AddSection(Values(kWhite, 50));
  auto parent = Filled32(2, 1, 0xFF000000);
  const TCacheInfo info{parent.get(), 0, 0, kKeyColor, true};
  auto item = Filled32(2, 1, 0), wrapper = Filled32(2, 1, 0);
  PaintItemBackground(section, "S0", info, kKeyColor, -1, -1, &skin.Store(), *item, {}, {0, 0, 2, 1}, 0);
  PaintWrapperBackground(section, info, -1, -1, &skin.Store(), *wrapper, {}, {0, 0, 2, 1}, 0);
  EXPECT_EQ(Pixels(*item), std::vector<uint32_t>(2, 0xFF7F7F7F));
  EXPECT_EQ(Pixels(*wrapper), std::vector<uint32_t>(2, 0xFF808080));
}

// A wrapper's weight t * 255 div 100 would wrap for t above 100.
TEST(ItemBackground, WrapperTransparencyAbove100CopiesTheParent) {
  ItemSkin skin;
  const int section = skin.AddSection(Values(kWhite, 200));
  auto parent = Filled32(2, 1, 0xFF010203);
  auto target = Filled32(2, 1, 0);
  PaintWrapperBackground(section, {parent.get(), 0, 0, kKeyColor, true}, -1, -1, &skin.Store(), *target, {},
                         {0, 0, 2, 1}, 0);
  EXPECT_EQ(Pixels(*target), Pixels(*parent));
}

struct StateCase {
  int states, state;
  uint32_t expected;
};

class ItemState : public ::testing::TestWithParam<StateCase> {};

// Normal colour 0x000001, hot 0x000002: any state above 0 that the section
// has is hot; Props has only those two, whatever States says.
TEST_P(ItemState, PicksTheNormalOrTheHotValues) {
  ItemSkin skin;
  const int section = skin.AddSection(GetParam().states, Values(0x000001), Values(0x000002));
  auto target = Filled32(1, 1, 0);
  PaintItemBackground(section, "S0", {}, kKeyColor, -1, -1, &skin.Store(), *target, {}, {0, 0, 1, 1},
                      GetParam().state);
  EXPECT_EQ(Pixels(*target)[0], GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ItemState,
                         ::testing::Values(StateCase{2, 3, 0xFF020000}, StateCase{3, 2, 0xFF020000},
                                           StateCase{2, 0, 0xFF010000}, StateCase{1, 1, 0xFF010000},
                                           StateCase{0, 5, 0xFF010000}, StateCase{-4, 2, 0xFF010000},
                                           StateCase{2, -1, 0xFF010000}));

struct FillCase {
  const char* name;
  int image, gradient;
  bool textured;
  uint32_t expected;
};

class ItemFill : public ::testing::TestWithParam<FillCase> {};

// Texture pixel R 100, G 200, B 0 on colour black.
TEST_P(ItemFill, MixesTextureAndColourByTheShares) {
  const FillCase& c = GetParam();
  ItemSkin skin;
  const int tile = skin.AddPart(Filled32(1, 1, 0xFF64C800), 1, 0);
  TItemFill fill;
  fill.ImagePercent = c.image;
  fill.GradientPercent = c.gradient;
  fill.Color = 0;
  if (c.textured) fill.Texture.Part = &skin.Part(tile);
  auto target = Filled32(3, 2, 0x12345678);
  PaintItemFill(*target, {0, 0, 3, 2}, fill, {});
  EXPECT_EQ(Pixels(*target), std::vector<uint32_t>(6, c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ItemFill,
    ::testing::Values(FillCase{"image_30_keeps_30_percent_of_the_texture", 30, 0, true, 0xFF1E3C00},
                      FillCase{"image_100_is_the_texture", 100, 0, true, 0xFF64C800},
                      FillCase{"image_above_100_counts_as_100", 250, -5, true, 0xFF64C800},
                      FillCase{"no_texture_leaves_the_colour", 30, 0, false, 0xFF000000},
                      FillCase{"no_shares_fill_the_colour", 0, 0, true, 0xFF000000}),
    [](const auto& test) { return std::string(test.param.name); });

// Shares 60 and 40 with a tiled texture go through the one-pass painter with
// weight 153: per channel ((T - G) * 153 + G * 256) shr 8.
TEST(ItemFill, ImageAndGradientSharesOfOneHundredPaintInOnePass) {
  ItemSkin skin;
  auto tile = image::CreateBmp32(2, 1);
  tile->Row32(0)[0] = 0xFFC8C8C8;
  tile->Row32(0)[1] = 0xFF000000;
  const int part = skin.AddPart(std::move(tile), 1, 0);
  const TsGradArray gradient = testing::Vertical(0x00646464, 0x00646464);
  TItemFill fill;
  fill.ImagePercent = 60;
  fill.GradientPercent = 40;
  fill.Gradient = &gradient;
  fill.Texture.Part = &skin.Part(part);
  auto target = Filled32(3, 2, 0);
  PaintItemFill(*target, {0, 0, 3, 2}, fill, {});
  const uint32_t a = 0xFF9F9F9F, b = 0xFF282828;  // (100 * 153 + 25600) shr 8, (-100 * 153 + 25600) shr 8
  EXPECT_EQ(Pixels(*target), (std::vector<uint32_t>{a, b, a, a, b, a}));

  auto reference = Filled32(3, 2, 0);
  const TsGradArray ramp = testing::Vertical(0x00000000, 0x00FFFFFF);
  fill.Gradient = &ramp;
  PaintItemFill(*target, {0, 0, 3, 2}, fill, {});
  PaintGradientTexture(*reference, {0, 0, 3, 2}, ramp, 153, skin.Part(part).R, *skin.Part(part).Bmp);
  EXPECT_EQ(Pixels(*target), Pixels(*reference));
}

}  // namespace
}  // namespace zelvan::paint
