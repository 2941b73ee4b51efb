// See-through frame corners filled from the parent, and the frame alone of
// edit-like controls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/paint/item_frame.h"
#include "tests/core/paint/item_skin_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Bitmap32;
using testing::Filled32;
using testing::ItemSkin;
using testing::Pixels;

constexpr uint32_t K = kKeyPixel;
constexpr uint32_t C = 0xFF111111;  // the cache before
constexpr uint32_t F = 0xFF0000FF;  // a frame pixel

// A 5 x 4 parent picture with distinct pixels.
std::unique_ptr<image::TWorkingBitmap> Parent() {
  auto parent = image::CreateBmp32(5, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) parent->Row32(y)[x] = 0xFF200000u + static_cast<uint32_t>(x + 16 * y);
  return parent;
}
uint32_t P(const image::TWorkingBitmap& parent, int x, int y) { return parent.Row32(y)[x]; }

// One 3 x 3 state image, margins 1: key pixels in its top-left and
// bottom-right corners only.
TEST(FillParentCorners, KeyPixelsOfTheAskedCornersShowTheParent) {
  ItemSkin skin;
  const int frame = skin.AddPart(Bitmap32(3, 3, {K, F, F, F, F, F, F, F, K}), 1, 0);
  skin.Part(frame).WL = skin.Part(frame).WT = skin.Part(frame).WR = skin.Part(frame).WB = 1;
  auto parent = Parent();
  auto cache = Filled32(4, 3, C);
  FillParentCorners(&skin.Store(), frame, 0, kCornerTopLeft | kCornerBottomRight | kCornerTopRight, *cache,
                    {parent.get(), 1, 1, kKeyColor, true});
  EXPECT_EQ(Pixels(*cache), (std::vector<uint32_t>{P(*parent, 1, 1), C, C, C, C, C, C, C, C, C, C, P(*parent, 4, 3)}));

  auto colored = Filled32(4, 3, C);
  FillParentCorners(&skin.Store(), frame, 0, kCornerBottomRight, *colored, {nullptr, 0, 0, 0x00030201, false});
  EXPECT_EQ(Pixels(*colored).back(), 0xFF010203u);
  auto keyColored = Filled32(4, 3, C);
  FillParentCorners(&skin.Store(), frame, 0, 15, *keyColored, {nullptr, 0, 0, kKeyColor, false});
  EXPECT_EQ(Pixels(*keyColored), std::vector<uint32_t>(12, C));
}

struct ThreeStateCase {
  int state;
  bool replaced;
};

class FillParentCornersOwnBitmap : public ::testing::TestWithParam<ThreeStateCase> {};

// ImageCount 0 with a bitmap of its own: three 2-pixel-wide states across
// it; only state 1 has a key pixel in its top-left corner. States out of
// range take the nearest.
TEST_P(FillParentCornersOwnBitmap, SpreadsThreeStatesOverTheBitmap) {
  ItemSkin skin;
  const int frame = skin.AddPart(Bitmap32(6, 1, {F, F, K, F, F, F}), 0, 0);
  skin.Part(frame).WL = skin.Part(frame).WT = 1;
  auto parent = Parent();
  auto cache = Filled32(2, 1, C);
  FillParentCorners(&skin.Store(), frame, GetParam().state, kCornerTopLeft, *cache, {parent.get(), 0, 0, 0, true});
  EXPECT_EQ(Pixels(*cache)[0], GetParam().replaced ? P(*parent, 0, 0) : C);
}

INSTANTIATE_TEST_SUITE_P(Cases, FillParentCornersOwnBitmap,
                         ::testing::Values(ThreeStateCase{0, false}, ThreeStateCase{1, true},
                                           ThreeStateCase{2, false}, ThreeStateCase{-3, false}));

// A part in the master bitmap without state images has no corners to
// compare; margins wider than the part and the cache only reach what lies
// inside both.
TEST(FillParentCorners, StaysInsideThePartAndTheCache) {
  ItemSkin skin;
  skin.Store().MasterBitmap = Filled32(4, 4, K);
  const int empty = skin.AddPart(Filled32(1, 1, K), 0, 0);
  skin.Part(empty).Bmp.reset();
  const int wide = skin.AddPart(Filled32(3, 3, K), 1, 0);
  skin.Part(wide).WL = skin.Part(wide).WT = skin.Part(wide).WR = skin.Part(wide).WB = 8;
  auto parent = Parent();
  const TCacheInfo info{parent.get(), 0, 0, kKeyColor, true};
  auto cache = Filled32(2, 2, C);
  FillParentCorners(&skin.Store(), empty, 0, 15, *cache, info);
  EXPECT_EQ(Pixels(*cache), std::vector<uint32_t>(4, C));
  FillParentCorners(&skin.Store(), wide, 0, 15, *cache, info);
  EXPECT_EQ(Pixels(*cache), (std::vector<uint32_t>{P(*parent, 0, 0), P(*parent, 1, 0), P(*parent, 0, 1),
                                                   P(*parent, 1, 1)}));
}

struct FrameOnlyCase {
  const char* name;
  bool framed;
  int innerBorder;
  TRect inner;
  std::vector<uint32_t> expected;  // the 6 x 5 cache after painting
};

class PaintFrameOnlyCases : public ::testing::TestWithParam<FrameOnlyCase> {};

// A frame of 1-pixel margins, all frame pixels F; background colour B.
TEST_P(PaintFrameOnlyCases, HandsBackTheInnerRect) {
  const FrameOnlyCase& c = GetParam();
  ItemSkin skin;
  const int frame = c.framed ? skin.AddPart(Filled32(3, 3, F), 1, 0) : -1;
  if (c.framed) skin.Part(frame).WL = skin.Part(frame).WT = skin.Part(frame).WR = skin.Part(frame).WB = 1;
  auto cache = Filled32(6, 5, C);
  const TRect inner =
      PaintFrameOnly(&skin.Store(), frame, *cache, {0, 0, 6, 5}, c.innerBorder, 0, {}, 0x00030201);
  EXPECT_EQ(inner, c.inner);
  EXPECT_EQ(Pixels(*cache), c.expected);
}

constexpr uint32_t B = 0xFF010203;

INSTANTIATE_TEST_SUITE_P(
    Cases, PaintFrameOnlyCases,
    ::testing::Values(
        FrameOnlyCase{"frame_alone", true, 0, {1, 1, 5, 4}, {F, F, F, F, F, F,  //
                                                            F, C, C, C, C, F,  //
                                                            F, C, C, C, C, F,  //
                                                            F, C, C, C, C, F,  //
                                                            F, F, F, F, F, F}},
        FrameOnlyCase{"frame_and_inner_border", true, 2, {2, 2, 4, 3}, {F, F, F, F, F, F,  //
                                                                       F, B, B, B, B, F,  //
                                                                       F, B, C, C, B, F,  //
                                                                       F, B, B, B, B, F,  //
                                                                       F, F, F, F, F, F}},
        // Without a frame the border goes inward too: never past the control.
        FrameOnlyCase{"inner_border_without_frame", false, 1, {1, 1, 5, 4}, {B, B, B, B, B, B,  //
                                                                            B, C, C, C, C, B,  //
                                                                            B, C, C, C, C, B,  //
                                                                            B, C, C, C, C, B,  //
                                                                            B, B, B, B, B, B}},
        FrameOnlyCase{"border_wider_than_the_control_is_not_inverted", false, 3, {3, 3, 3, 3},
                      std::vector<uint32_t>(30, B)}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace zelvan::paint
