#include <gtest/gtest.h>

#include <vector>

#include "core/paint/frame_layout.h"
#include "core/paint/frame_region.h"
#include "tests/core/paint/bitmap_fixture.h"
#include "tests/core/paint/image_part_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Bitmap32;
using testing::SkinParts;

constexpr uint32_t K = kKeyPixel;
constexpr uint32_t A = 0xFF102030;

// A 200 x 150 sizeable form: frame 4, caption band to 27, a menu band to 40,
// icon, close (enabled), maximise (disabled), minimise (disabled), grip.
TFrameGeometry Sizeable() {
  TFrameGeometry f;
  f.Width = 200;
  f.Height = 150;
  f.Client = {4, 40, 196, 146};
  f.FrameWidth = f.FrameHeight = 4;
  f.CaptionBottom = 27;
  f.Sizeable = f.HasCaption = true;
  f.IconRect = {6, 7, 22, 23};
  f.GripRect = {180, 130, 196, 146};
  f.Elements = {{htClose, {170, 5, 190, 25}, true}, {htMaxButton, {150, 5, 170, 25}, false},
                {htMinButton, {130, 5, 150, 25}, false}};
  return f;
}

struct HitCase {
  int x, y, expected;
};

TEST(FrameHitTest, GivesEachPartOfASizeableFormItsCode) {
  const TFrameGeometry f = Sizeable();
  const std::vector<HitCase> cases = {
      {0, 0, htTopLeft},     {100, 0, htTop},         {199, 3, htTopRight},  {0, 80, htLeft},
      {199, 80, htRight},    {2, 149, htBottomLeft},  {100, 147, htBottom},  {199, 149, htBottomRight},
      {10, 10, htSysMenu},   {100, 10, htCaption},    {100, 30, htMenu},     {175, 10, htClose},
      {155, 10, htCaption},  {135, 10, htClient},     {100, 100, htClient},  {185, 135, htBottomRight},
      {200, 10, htNowhere},  {-1, 10, htNowhere},
  };
  for (const HitCase& c : cases) EXPECT_EQ(FrameHitTest(f, {c.x, c.y}), c.expected) << c.x << "," << c.y;
}

TEST(FrameHitTest, AFixedFrameHasBordersAndAFormWithoutCaptionNoCaption) {
  TFrameGeometry fixed = Sizeable();
  fixed.Sizeable = false;
  fixed.GripRect = {};
  EXPECT_EQ(FrameHitTest(fixed, {0, 0}), htCaption);
  EXPECT_EQ(FrameHitTest(fixed, {1, 80}), htBorder);
  EXPECT_EQ(FrameHitTest(fixed, {100, 148}), htBorder);
  EXPECT_EQ(FrameHitTest(fixed, {185, 135}), htClient);
  TFrameGeometry bare = fixed;
  bare.HasCaption = false;
  bare.Elements.clear();
  EXPECT_EQ(FrameHitTest(bare, {100, 10}), htBorder);
  TFrameGeometry minimized = Sizeable();
  minimized.Sizeable = false;
  minimized.Minimized = true;
  EXPECT_EQ(FrameHitTest(minimized, {100, 30}), htCaption);
}

TEST(PlaceCaptionButtons, GoesRightToLeftSkippingHiddenButtonsAndLeavingTheHelpGap) {
  TCaptionButtonRow row;
  row.Right = 196;
  row.Spacing = 2;
  row.Height = 20;
  row.VCenter = 15;
  row.AlignedTop = 0;
  row.TopAligned = true;
  const std::vector<TCaptionButtonSpec> buttons = {
      {htClose, 30, true, true, 0}, {htMaxButton, 28, false, true, 0}, {htMinButton, 26, true, false, 0},
      {htHelp, 24, true, false, 6}};
  int left = 0;
  const std::vector<TRect> rects = PlaceCaptionButtons(row, buttons, left);
  EXPECT_EQ(rects, (std::vector<TRect>{{166, 0, 196, 20}, {}, {138, 5, 164, 25}, {106, 5, 130, 25}}));
  EXPECT_EQ(left, 104);
}

TEST(FrameArithmetic, IconSizeSnapAndMaximizedBounds) {
  EXPECT_EQ(TitleIconSize(23), 16);
  EXPECT_EQ(TitleIconSize(16), 8);
  EXPECT_EQ(TitleIconSize(9), 8);
  EXPECT_EQ(TitleIconSize(8), 1);
  const TRect work{0, 30, 1280, 1000};
  struct SnapCase {
    TPoint from, to;
  };
  for (const SnapCase& c : std::vector<SnapCase>{{{5, 35}, {0, 30}},
                                                 {{1075, 795}, {1080, 800}},
                                                 {{10, 40}, {10, 40}},
                                                 {{-9, 500}, {0, 500}}}) {
    const TPoint p = SnapToWorkArea(c.from, 200, 200, work, 10);
    EXPECT_EQ(p.X, c.to.X) << c.from.X;
    EXPECT_EQ(p.Y, c.to.Y) << c.from.Y;
  }
  // A form wider than the work area snaps to its left edge last.
  EXPECT_EQ(SnapToWorkArea({-3, 100}, 1283, 100, work, 10).X, 0);
  const TMaximizedBounds b = MaximizedBounds({0, 0, 1280, 1024}, {0, 30, 1280, 1000}, 4);
  EXPECT_EQ(b.Position.X, -4);
  EXPECT_EQ(b.Position.Y, 26);
  EXPECT_EQ(b.Size.X, 1288);
  EXPECT_EQ(b.Size.Y, 978);
}

TEST(CornerKeyRuns, TakeTheCornersOfTheFirstStateImageToTheWindowCorners) {
  SkinParts parts;
  // Two 4 x 4 state images side by side; the second is all key and never read.
  store::TsMaskData part = parts.Part(Bitmap32(8, 4, {K, K, A, K, K, K, K, K,  //
                                                      K, A, A, A, K, K, K, K,  //
                                                      A, A, A, A, K, K, K, K,  //
                                                      A, K, A, K, K, K, K, K}),
                                      2, 0);
  part.WL = part.WR = 2;
  part.WT = 2;
  part.WB = 1;
  std::vector<TRect> runs;
  AppendCornerKeyRuns(part, 10, 6, crBoth, runs);
  EXPECT_EQ(runs, (std::vector<TRect>{{0, 0, 2, 1}, {9, 0, 10, 1}, {0, 1, 1, 2}, {1, 5, 2, 6}, {9, 5, 10, 6}}));
  runs.clear();
  AppendCornerKeyRuns(part, 10, 6, crTop, runs);
  EXPECT_EQ(runs.size(), 3u);
  store::TsMaskData empty = parts.Part(Bitmap32(1, 1, {K}), 0, -1);
  runs.clear();
  AppendCornerKeyRuns(empty, 10, 6, crBoth, runs);
  EXPECT_TRUE(runs.empty());
}

}  // namespace
}  // namespace zelvan::paint
