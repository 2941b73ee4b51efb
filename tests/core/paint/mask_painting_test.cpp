#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/paint/mask_painting.h"
#include "tests/core/paint/bitmap_fixture.h"
#include "tests/core/paint/image_part_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Bitmap32;
using testing::Filled32;
using testing::Pixels;
using testing::SkinParts;

constexpr uint32_t K = kKeyPixel;

// Source pixel i of a one-row (or one-column) frame part: opaque and distinct.
constexpr uint32_t Column(int i) { return 0xFF000000u | static_cast<uint32_t>(i + 1); }

struct MarginCase {
  const char* name;
  bool vertical;  // the part is one column and the margins are top and bottom
  int partLength, nearMargin, farMargin, drawMode;
  int from, to;                // the rect along the 20-pixel line
  std::vector<int> expected;   // source index per destination pixel, -1 untouched
};

class FrameMargins : public ::testing::TestWithParam<MarginCase> {};

// A part one pixel across has no corners, so only its edges and centre show.
TEST_P(FrameMargins, DecideWhichSourceColumnsLandWhere) {
  const MarginCase& c = GetParam();
  SkinParts parts;
  auto bitmap = c.vertical ? image::CreateBmp32(1, c.partLength) : image::CreateBmp32(c.partLength, 1);
  for (int i = 0; i < c.partLength; ++i) bitmap->Row32(c.vertical ? i : 0)[c.vertical ? 0 : i] = Column(i);
  store::TsMaskData part = parts.Part(std::move(bitmap), 1, 0);
  (c.vertical ? part.WT : part.WL) = static_cast<int16_t>(c.nearMargin);
  (c.vertical ? part.WB : part.WR) = static_cast<int16_t>(c.farMargin);
  part.DrawMode = static_cast<int16_t>(c.drawMode);

  auto destination = c.vertical ? image::CreateBmp32(2, 20) : image::CreateBmp32(20, 2);
  const TRect rect = c.vertical ? TRect{0, c.from, 2, c.to} : TRect{c.from, 0, c.to, 2};
  DrawMaskRect(*destination, rect, false, 1, part, {});

  std::vector<int> seen;
  for (int i = 0; i < 20; ++i) {
    const uint32_t p = c.vertical ? destination->Row32(i)[1] : destination->Row32(1)[i];
    seen.push_back(p == 0 ? -1 : static_cast<int>(p & 0xFFFF) - 1);
  }
  EXPECT_EQ(seen, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FrameMargins,
    ::testing::Values(
        // Excess 5: 10 - 2 = 8 and 10 - 2 - 1 = 7; the source centre widens to 22 - 15.
        MarginCase{"margins_10_in_15_become_8_and_7", false, 22, 10, 10, 4, 0, 15,
                   {0, 1, 2, 3, 4, 5, 6, 7, 15, 16, 17, 18, 19, 20, 21, -1, -1, -1, -1, -1}},
        MarginCase{"bottom_margin_takes_the_odd_pixel", true, 22, 10, 10, 4, 2, 17,
                   {-1, -1, 0, 1, 2, 3, 4, 5, 6, 7, 15, 16, 17, 18, 19, 20, 21, -1, -1, -1}},
        MarginCase{"tiled_centre_repeats_and_cuts_the_last_copy", false, 8, 3, 3, 4, 1, 16,
                   {-1, 0, 1, 2, 3, 4, 3, 4, 3, 4, 3, 4, 3, 5, 6, 7, -1, -1, -1, -1}},
        MarginCase{"stretched_centre_takes_the_nearest_source_pixel", false, 8, 3, 3, 5, 1, 16,
                   {-1, 0, 1, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 5, 6, 7, -1, -1, -1, -1}},
        MarginCase{"centre_left_out_without_flag_4", false, 8, 3, 3, 0, 1, 16,
                   {-1, 0, 1, 2, -1, -1, -1, -1, -1, -1, -1, -1, -1, 5, 6, 7, -1, -1, -1, -1}},
        // 0 and 20 would shrink to 0 and 17 and paint two columns left of the rect.
        MarginCase{"one_margin_wider_than_the_rect_stays_inside_it", false, 22, 0, 20, 4, 3, 18,
                   {-1, -1, -1, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, -1, -1}}),
    [](const auto& test) { return std::string(test.param.name); });

// Three 2 x 2 state images of one colour each, margins 1: a 2 x 2 rect is
// four corners.
struct StateCase {
  const char* name;
  int drawMode, state;
  uint32_t expected;
};

class FrameStates : public ::testing::TestWithParam<StateCase> {};

constexpr uint32_t kStateColors[] = {0xFF000010, 0xFF000020, 0xFF000030};

TEST_P(FrameStates, PickTheClampedStateOrNothing) {
  const StateCase& c = GetParam();
  SkinParts parts;
  auto bitmap = image::CreateBmp32(6, 2);
  for (int x = 0; x < 6; ++x)
    for (int y = 0; y < 2; ++y) bitmap->Row32(y)[x] = kStateColors[x / 2];
  store::TsMaskData part = parts.Part(std::move(bitmap), 3, 0);
  part.WL = part.WT = part.WR = part.WB = 1;
  part.DrawMode = static_cast<int16_t>(c.drawMode);
  auto destination = Filled32(2, 2, 0x12345678);
  DrawMaskRect(*destination, {0, 0, 2, 2}, false, c.state, part, {});
  EXPECT_EQ(Pixels(*destination), std::vector<uint32_t>(4, c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, FrameStates,
                         ::testing::Values(StateCase{"draw_mode_2_skips_state_0", 2, 0, 0x12345678},
                                           StateCase{"draw_mode_2_paints_state_1", 2, 1, kStateColors[1]},
                                           StateCase{"draw_mode_6_skips_state_0", 6, 0, 0x12345678},
                                           StateCase{"state_0_without_flag_2", 0, 0, kStateColors[0]},
                                           StateCase{"state_5_of_3_images_is_the_third", 0, 5, kStateColors[2]},
                                           StateCase{"negative_state_is_the_first", 0, -1, kStateColors[0]}),
                         [](const auto& test) { return std::string(test.param.name); });

// Corners of a 2 x 2 picture [K, A; B, K] with margins 1 over a destination of
// D0, the parent's picture at offset (1, 2). The mask, where there is one, is
// 0 everywhere: blending gives the picture itself.
struct CornerCase {
  const char* name;
  bool masked;
  int cornerType;
  bool fromParentFlag, ready;
  TFrameCorners corners;
  std::vector<uint32_t> expected;
};

class FrameCorners : public ::testing::TestWithParam<CornerCase> {};

constexpr uint32_t A = 0xFF0000A0, B = 0xFF00B000, D0 = 0x11223344;
constexpr uint32_t Parent(int x, int y) { return 0x80000050u + 0x100u * static_cast<uint32_t>(y) + static_cast<uint32_t>(x); }

TEST_P(FrameCorners, KeyPixelsFollowCornerTypeAndTheCacheInfo) {
  const CornerCase& c = GetParam();
  SkinParts parts;
  auto bitmap = c.masked ? Bitmap32(2, 4, {K, A, B, K, 0, 0, 0, 0}) : Bitmap32(2, 2, {K, A, B, K});
  store::TsMaskData part = parts.Part(std::move(bitmap), 1, c.masked ? 1 : 0);
  part.WL = part.WT = part.WR = part.WB = 1;
  part.CornerType = static_cast<int16_t>(c.cornerType);
  auto parent = image::CreateBmp32(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) parent->Row32(y)[x] = Parent(x, y);
  const TCacheInfo info{parent.get(), 1, 2, 0x00332211, c.ready};
  auto destination = Filled32(2, 2, D0);
  DrawMaskRect(*destination, {0, 0, 2, 2}, c.fromParentFlag, 1, part, info, c.corners);
  EXPECT_EQ(Pixels(*destination), c.expected);
}

constexpr auto kByType = TFrameCorners::kByCornerType;
constexpr uint32_t kBlendedKey = 0xFFFF00FF;  // mask 0 gives the key colour itself, opaque under Ready
constexpr uint32_t kFill = 0x00112233;        // FillColor 0x00332211 in pixel order
INSTANTIATE_TEST_SUITE_P(
    Cases, FrameCorners,
    ::testing::Values(
        CornerCase{"masked_corner_type_1_shows_the_parent", true, 1, true, true, kByType,
                   {Parent(1, 2), A, B, Parent(2, 3)}},
        CornerCase{"masked_corner_type_0_blends_keys", true, 0, true, true, kByType, {kBlendedKey, A, B, kBlendedKey}},
        CornerCase{"masked_caller_not_asking_blends_keys", true, 1, false, true, kByType,
                   {kBlendedKey, A, B, kBlendedKey}},
        CornerCase{"masked_without_ready_fills_keys_and_keeps_alpha", true, 1, true, false, kByType,
                   {kFill, 0x110000A0, 0x1100B000, kFill}},
        CornerCase{"masked_without_ready_or_flag_leaves_keys", true, 1, false, false, kByType,
                   {D0, 0x110000A0, 0x1100B000, D0}},
        CornerCase{"form_frame_corners_always_show_the_parent", true, 0, false, true, TFrameCorners::kFromParent,
                   {Parent(1, 2), A, B, Parent(2, 3)}},
        CornerCase{"plain_corner_type_1_shows_the_parent", false, 1, true, true, kByType,
                   {Parent(1, 2), A, B, Parent(2, 3)}},
        CornerCase{"plain_corner_type_0_leaves_keys", false, 0, true, true, kByType, {D0, A, B, D0}},
        CornerCase{"plain_without_ready_fills_keys", false, 0, true, false, kByType, {kFill, A, B, kFill}}),
    [](const auto& test) { return std::string(test.param.name); });

// Glyphs: a 1 x 1 picture S over its mask M on D.
struct GlyphCase {
  const char* name;
  uint32_t picture, mask;
  int mode;
  uint32_t expected;
};

class GlyphBlend : public ::testing::TestWithParam<GlyphCase> {};

constexpr uint32_t S = 0x00C08040, D = 0x40204060;

TEST_P(GlyphBlend, FollowsTheMask) {
  const GlyphCase& c = GetParam();
  SkinParts parts;
  const store::TsMaskData part = parts.Part(Bitmap32(1, 2, {c.picture, c.mask}), 1, 1);
  auto destination = Bitmap32(1, 1, {D});
  DrawMaskGlyph(*destination, {0, 0}, 0, {}, part, c.mode);
  EXPECT_EQ(Pixels(*destination)[0], c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GlyphBlend,
    ::testing::Values(GlyphCase{"mask_red_255_leaves_the_destination", S, 0x00FF0000, 1, D},
                      GlyphCase{"mask_red_255_leaves_it_faded_too", S, 0x00FF0000, 2, D},
                      GlyphCase{"key_picture_is_skipped", K, 0, 1, D},
                      // alpha 64 + (191 * 255) shr 8 = 254
                      GlyphCase{"mask_0_gives_the_picture_and_raises_alpha", S, 0, 1, 0xFEC08040},
                      // R ((32 - 192) * 128 + 192 * 256) shr 8 = 112; alpha 64 + (191 * 127) shr 8 = 158
                      GlyphCase{"half_mask_blends", S, 0x00808080, 1, 0x9E706050},
                      // each channel by 100: R (-160 * 100 + 49152) shr 8 = 129
                      GlyphCase{"faded_mode_raises_the_mask_by_100", S, 0, 2, 0xFE81674C}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(DrawMaskGlyph, StateIsClampedAndANegativePointCutsTheImage) {
  SkinParts parts;
  const store::TsMaskData part = parts.Part(Bitmap32(6, 1, {1, 2, 3, 4, 5, 6}), 3, 0);
  auto destination = Filled32(3, 1, 0);
  DrawMaskGlyph(*destination, {1, 0}, 5, {}, part, 1);
  DrawMaskGlyph(*destination, {-1, 0}, 1, {}, part, 1);
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{4, 5, 6}));
}

TEST(DrawMaskGlyph, UnmaskedPartsOfTheMasterBitmapShowTheParentOrHalfStrength) {
  SkinParts parts;
  parts.Manager().MasterBitmap = Bitmap32(3, 1, {0x77777777, K, 0xFFC08040});
  store::TsMaskData part;
  part.R = {1, 0, 3, 1};
  part.ImageCount = 1;
  part.Manager = &parts.Manager();
  const auto parent = Bitmap32(2, 1, {0x01020304, 0x05060708});
  const TCacheInfo info{parent.get(), 0, 0, kKeyColor, true};

  auto normal = Bitmap32(2, 1, {D, D});
  DrawMaskGlyph(*normal, {0, 0}, 0, info, part, 1);
  EXPECT_EQ(Pixels(*normal), (std::vector<uint32_t>{0x01020304, 0xFFC08040}));

  // Round(S - 0.5 * (S - D)): R 192 - 80 = 112, B 64 + 16 = 80; alpha kept.
  auto faded = Bitmap32(2, 1, {D, D});
  DrawMaskGlyph(*faded, {0, 0}, 0, info, part, 2);
  EXPECT_EQ(Pixels(*faded), (std::vector<uint32_t>{D, 0x40706050}));
}

// A 5 x 5 frame with margins 2 and a one-pixel centre over a 6 x 6 bitmap:
// key pixels of the corners are cut out of the region, those of the edges and
// centre are painted.
TEST(DrawMaskRectRegion, CutsCornerKeyRunsOutOfTheRegion) {
  SkinParts parts;
  store::TsMaskData part = parts.Part(Bitmap32(5, 5, {K, K, A, A, K,  //
                                                      K, A, A, A, A,  //
                                                      A, A, K, A, A,  //
                                                      A, A, A, A, A,  //
                                                      A, A, K, A, K}),
                                      1, 0);
  part.WL = part.WT = part.WR = part.WB = 2;
  part.DrawMode = 4;
  part.CornerType = 2;
  auto destination = Filled32(6, 6, 0);
  std::vector<TRect> cutOut;
  DrawMaskRectRegion(*destination, cutOut, 0, part);
  EXPECT_EQ(cutOut, (std::vector<TRect>{{0, 0, 2, 1}, {0, 1, 1, 2}, {5, 5, 6, 6}, {5, 0, 6, 1}}));
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{0, 0, A, A, A, 0,  //
                                                         0, A, A, A, A, A,  //
                                                         A, A, K, K, A, A,  //
                                                         A, A, K, K, A, A,  //
                                                         A, A, A, A, A, A,  //
                                                         A, A, K, K, A, 0}));
}

TEST(DrawMaskRectRegion, BlendsPartsWithOneMaskAndTakesACountlessPartAsOneImage) {
  SkinParts parts;
  // 2 x 2 picture over its mask; ImageCount 0 makes the whole bitmap the image.
  store::TsMaskData part = parts.Part(Bitmap32(2, 4, {K, A, A, A, 0, 0x00FFFFFF, 0, 0}), 0, 1);
  part.R = {0, 0, 0, 0};
  part.WL = part.WT = part.WR = part.WB = 1;
  auto destination = Filled32(2, 2, D0);
  std::vector<TRect> cutOut;
  DrawMaskRectRegion(*destination, cutOut, 0, part);
  EXPECT_EQ(cutOut, (std::vector<TRect>{{0, 0, 1, 1}}));
  // Mask 255 keeps 255/256 of each channel; alpha is the destination's.
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{D0, 0x11213244, 0x110000A0, 0x110000A0}));
}

TEST(SkinImagePainting, NothingIsPaintedForMissingOrDegenerateInput) {
  SkinParts parts;
  store::TsMaskData valid = parts.Part(Filled32(4, 4, A), 1, 0);
  valid.WL = valid.WT = valid.WR = valid.WB = 1;
  valid.DrawMode = 4;
  store::TsMaskData noManager = parts.Part(Filled32(4, 4, A), 1, 0);
  noManager.Manager = nullptr;
  store::TsMaskData noImages = parts.Part(Filled32(4, 4, A), 0, 0);
  store::TsMaskData noPicture = parts.Part(Filled32(4, 4, A), 1, -1);
  store::TsMaskData inMissingMaster = parts.Part(Filled32(4, 4, A), 1, 0);
  inMissingMaster.Bmp.reset();
  store::TsMaskData marginsTooWide = parts.Part(Filled32(4, 4, A), 1, 0);
  marginsTooWide.R = {0, 0, 2, 2};
  marginsTooWide.WL = 1;
  marginsTooWide.WR = 2;
  store::TsMaskData rectBeyondOwnBitmap = parts.Part(Filled32(4, 4, A), 1, 0);
  rectBeyondOwnBitmap.R = {0, 0, 5, 4};

  const std::vector<std::pair<const char*, std::function<void(image::TWorkingBitmap&)>>> calls = {
      {"rect one pixel wide", [&](auto& b) { DrawMaskRect(b, {0, 0, 1, 4}, false, 0, valid, {}); }},
      {"inverted rect", [&](auto& b) { DrawMaskRect(b, {4, 4, 0, 0}, false, 0, valid, {}); }},
      {"huge rect", [&](auto& b) { DrawMaskRect(b, {INT32_MIN, 0, INT32_MAX, 4}, false, 0, valid, {}); }},
      {"frame without manager", [&](auto& b) { DrawMaskRect(b, {0, 0, 4, 4}, false, 0, noManager, {}); }},
      {"frame without images", [&](auto& b) { DrawMaskRect(b, {0, 0, 4, 4}, false, 0, noImages, {}); }},
      {"frame without picture rows", [&](auto& b) { DrawMaskRect(b, {0, 0, 4, 4}, false, 0, noPicture, {}); }},
      {"frame in a missing master", [&](auto& b) { DrawMaskRect(b, {0, 0, 4, 4}, false, 0, inMissingMaster, {}); }},
      {"margins wider than the image", [&](auto& b) { DrawMaskRect(b, {0, 0, 4, 4}, false, 0, marginsTooWide, {}); }},
      {"glyph without manager", [&](auto& b) { DrawMaskGlyph(b, {0, 0}, 0, {}, noManager, 1); }},
      {"glyph without images", [&](auto& b) { DrawMaskGlyph(b, {0, 0}, 0, {}, noImages, 1); }},
      {"glyph beyond its bitmap", [&](auto& b) { DrawMaskGlyph(b, {0, 0}, 0, {}, rectBeyondOwnBitmap, 1); }},
      {"glyph far away", [&](auto& b) { DrawMaskGlyph(b, {INT32_MAX, INT32_MIN}, 0, {}, valid, 1); }},
      {"region without manager",
       [&](auto& b) {
         std::vector<TRect> cut;
         DrawMaskRectRegion(b, cut, 0, noManager);
       }},
  };
  for (const auto& [name, call] : calls) {
    auto destination = Filled32(4, 4, D0);
    EXPECT_NO_THROW(call(*destination)) << name;
    EXPECT_EQ(Pixels(*destination), std::vector<uint32_t>(16, D0)) << name;
  }
}

}  // namespace
}  // namespace zelvan::paint
