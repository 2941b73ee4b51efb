#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/paint/block_transfer.h"
#include "core/paint/pixel.h"
#include "core/paint/resample.h"
#include "core/paint/skin_blits.h"
#include "tests/core/paint/bitmap_fixture.h"
#include "tests/core/paint/image_part_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Bitmap32;
using testing::Filled32;
using testing::Pixels;
using testing::SkinParts;

constexpr uint32_t K = kKeyPixel;
constexpr uint32_t D0 = 0x11223344;
constexpr uint32_t N = 0x00123456;  // a picture pixel with alpha 0

enum class ParentKind { kNone, kSeparate, kTheDestination };

struct KeyedCase {
  const char* name;
  bool fillFromParent, ready;
  ParentKind parent;
  std::vector<uint32_t> expected;
};

class BlitKeyedRules : public ::testing::TestWithParam<KeyedCase> {};

TEST_P(BlitKeyedRules, DecideKeyAndPicturePixels) {
  const KeyedCase& c = GetParam();
  const auto source = Bitmap32(2, 1, {K, N});
  auto destination = Filled32(2, 1, D0);
  const auto parent = Bitmap32(3, 1, {0x80000001, 0x80000002, 0x80000003});
  TCacheInfo info{nullptr, 1, 0, 0x00332211, c.ready};
  if (c.parent == ParentKind::kSeparate) info.Bmp = parent.get();
  if (c.parent == ParentKind::kTheDestination) info = {destination.get(), 0, 0, 0x00332211, c.ready};
  BlitKeyed(*destination, *source, 0, c.fillFromParent, info, kKeyColor, {0, 0, 1, 0}, 0);
  EXPECT_EQ(Pixels(*destination), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BlitKeyedRules,
    ::testing::Values(
        KeyedCase{"keys_take_the_parent_pixel_as_it_is", true, true, ParentKind::kSeparate, {0x80000002, N}},
        KeyedCase{"into_the_parent_itself_keys_stay_and_the_rest_is_opaque", true, true, ParentKind::kTheDestination,
                  {D0, 0xFF123456}},
        KeyedCase{"ready_without_flag_leaves_keys", false, true, ParentKind::kSeparate, {D0, N}},
        KeyedCase{"ready_without_bitmap_leaves_keys", true, true, ParentKind::kNone, {D0, N}},
        KeyedCase{"not_ready_fills_keys_in_pixel_order", false, false, ParentKind::kNone, {0x00112233, N}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Mirror, TurnsEveryRowAndItsRectsLeftForRight) {
  auto odd = Bitmap32(3, 2, {1, 2, 3, 4, 5, 6});
  MirrorHorizontally(*odd);
  EXPECT_EQ(Pixels(*odd), (std::vector<uint32_t>{3, 2, 1, 6, 5, 4}));
  auto even = Bitmap32(4, 1, {1, 2, 3, 4});
  MirrorHorizontally(*even);
  EXPECT_EQ(Pixels(*even), (std::vector<uint32_t>{4, 3, 2, 1}));
  // A corner cut at the left is one at the right after mirroring.
  const TRect corner = MirroredRect({0, 0, 2, 3}, 10);
  EXPECT_EQ(corner.Left, 8);
  EXPECT_EQ(corner.Right, 10);
  EXPECT_EQ(corner.Bottom, 3);
}

TEST(BlitKeyed, SourceRectIncludesItsRightAndBottomAndIsClipped) {
  const auto source = Bitmap32(3, 2, {1, 2, 3, 4, 5, 6});
  auto destination = Filled32(3, 2, 0);
  BlitKeyed(*destination, *source, 0, false, {}, kKeyColor, {1, 0, 2, 1}, 0);
  BlitKeyed(*destination, *source, 2, false, {}, kKeyColor, {0, 1, 9, 9}, 1);
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{2, 3, 0, 5, 6, 4}));
}

TEST(BlitMasked, NegativeCoordinatesShiftBothRectsAndTheMaskMustLieInTheSource) {
  SkinParts parts;
  const store::TsMaskData part = parts.Part(Bitmap32(3, 2, {0xFF000001, 0xFF000002, 0xFF000003, 0, 0, 0}), 1, 1);
  auto destination = Filled32(3, 1, D0);
  BlitMasked({-1, 0, 2, 1}, {0, 0, 3, 1}, *destination, part, false, {}, *part.Bmp);
  // The mask row as a picture would need a mask below the bitmap.
  BlitMasked({2, 0, 3, 1}, {0, 1, 1, 2}, *destination, part, false, {}, *part.Bmp);
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{0x11000002, 0x11000003, D0}));
}

// A 1 x 1 slice S over its mask M stretched onto a 3 x 2 destination of D.
struct OnePixelCase {
  const char* name;
  uint32_t mask;
  bool centre;
  TRect target;
  std::vector<uint32_t> expected;
};

class StretchOnePixel : public ::testing::TestWithParam<OnePixelCase> {};

constexpr uint32_t S = 0x00C08040, D = 0x40204060;

TEST_P(StretchOnePixel, FillsSkipsOrBlends) {
  const OnePixelCase& c = GetParam();
  const auto source = Bitmap32(1, 2, {S, c.mask});
  auto destination = Filled32(3, 2, D);
  StretchMaskedEdge(*destination, c.target, *source, {0, 0, 1, 1}, 1, c.centre);
  EXPECT_EQ(Pixels(*destination), c.expected);
}

const TRect kAll{0, 0, 3, 2};
INSTANTIATE_TEST_SUITE_P(
    Cases, StretchOnePixel,
    ::testing::Values(
        // Mask red 0 fills with the picture whatever the other mask channels hold.
        OnePixelCase{"centre_mask_red_0_fills", 0x00000080, true, kAll, std::vector<uint32_t>(6, 0xFFC08040)},
        OnePixelCase{"edge_blends_every_channel", 0x00000080, false, kAll, std::vector<uint32_t>(6, 0xFFC08050)},
        OnePixelCase{"centre_mask_red_255_paints_nothing", 0x00FF0000, true, kAll, std::vector<uint32_t>(6, D)},
        OnePixelCase{"centre_half_mask_blends_opaque", 0x00808080, true, kAll, std::vector<uint32_t>(6, 0xFF706050)},
        OnePixelCase{"negative_position_paints_nothing", 0, true, {-1, 0, 3, 2}, std::vector<uint32_t>(6, D)},
        OnePixelCase{"cut_at_the_destination_edge", 0, true, {2, 1, 5, 3}, {D, D, D, D, D, 0xFFC08040}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(StretchMaskedEdge, SliceWhoseMaskLeavesTheSourcePaintsNothing) {
  const auto source = Bitmap32(1, 2, {S, 0});
  auto destination = Filled32(2, 2, D);
  StretchMaskedEdge(*destination, {0, 0, 2, 2}, *source, {0, 0, 1, 2}, 1, true);
  EXPECT_EQ(Pixels(*destination), std::vector<uint32_t>(4, D));
}

TEST(StretchMaskedEdge, GrowingSlicesTakeTheNearestPixel) {
  // 2 x 2 picture, mask 0: each source pixel becomes a 2 x 2 block.
  const auto source = Bitmap32(2, 4, {1, 2, 3, 4, 0, 0, 0, 0});
  auto destination = Filled32(4, 4, D);
  StretchMaskedEdge(*destination, {0, 0, 4, 4}, *source, {0, 0, 2, 2}, 2, false);
  const uint32_t a = 0xFF000001, b = 0xFF000002, c = 0xFF000003, d = 0xFF000004;
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{a, a, b, b, a, a, b, b, c, c, d, d, c, c, d, d}));
}

TEST(StretchMaskedEdge, SlicesShrinkingOneWayAreFilteredMitchellPictureHermiteMask) {
  const auto picture = Bitmap32(4, 2, {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF,  //
                                       0x00102030, 0x00405060, 0x00708090, 0x00A0B0C0});
  const auto mask = Bitmap32(4, 2, {0x00000000, 0x00404040, 0x00C0C0C0, 0x00FFFFFF,  //
                                    0x00808080, 0x00FFFFFF, 0x00000000, 0x00202020});
  auto source = image::CreateBmp32(4, 4);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) {
      source->Row32(y)[x] = picture->Row32(y)[x];
      source->Row32(y + 2)[x] = mask->Row32(y)[x];
    }
  std::unique_ptr<image::TWorkingBitmap> p, m;
  Resample(*picture, p, 3, TFilterKind::fkMitchell, 2);
  Resample(*mask, m, 3, TFilterKind::fkHermite, 2);
  std::vector<uint32_t> expected;
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) {
      const uint32_t s = p->Row32(y)[x], w = m->Row32(y)[x];
      expected.push_back(MakePixel(WeightedMix(PixelR(D), PixelR(s), PixelR(w)),
                                   WeightedMix(PixelG(D), PixelG(s), PixelG(w)),
                                   WeightedMix(PixelB(D), PixelB(s), PixelB(w)), 255));
    }
  auto destination = Filled32(3, 2, D);
  StretchMaskedEdge(*destination, {0, 0, 3, 2}, *source, {0, 0, 4, 2}, 2, false);
  EXPECT_EQ(Pixels(*destination), expected);
}

}  // namespace
}  // namespace zelvan::paint
