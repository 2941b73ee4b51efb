#include "core/paint/extended_frame.h"

#include <gtest/gtest.h>

#include "bitmap_fixture.h"
#include "core/image/bitmap32.h"
#include "core/paint/frame_layout.h"
#include "core/paint/pixel.h"

namespace zelvan::paint {
namespace {

using testing::Filled32;

TEST(ExtendedFrame, TheFrameGrowsTheClientAndTheMaximisedTitleOnlyWhenSet) {
  EXPECT_EQ(ExtendedFrameRect({10, 40, 110, 90}, 4, 30, 0), (TRect{6, 10, 114, 94}));
  EXPECT_EQ(ExtendedFrameRect({10, 40, 110, 90}, 4, 30, 18), (TRect{6, -8, 114, 94}));
  struct {
    int title, max;
    bool maximized;
    int expected;
  } cases[] = {{30, 26, true, 26}, {30, 26, false, 30}, {30, 0, true, 30}, {30, 0, false, 30}};
  for (const auto& c : cases) {
    EXPECT_EQ(ExtendedTitleHeight(c.title, c.max, c.maximized), c.expected) << c.max << " " << c.maximized;
  }
}

// Rows of a 6 x 4 picture with alpha 0 where a '.' stands.
std::unique_ptr<image::TWorkingBitmap> Shape(const char* rows[4]) {
  auto picture = Filled32(6, 4, MakePixel(1, 2, 3, 255));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x)
      if (rows[y][x] == '.') image::SetPixel32(*picture, x, y, 0);
  return picture;
}

TEST(ExtendedFrame, SeeThroughPixelsBecomeRectsJoinedDownwards) {
  const char* rows[4] = {"..##..", "..##.#", "######", "#....#"};
  const std::vector<TRect> rects = SeeThroughRects(*Shape(rows));
  const std::vector<TRect> expected = {{0, 0, 2, 2}, {4, 0, 6, 1}, {4, 1, 5, 2}, {1, 3, 5, 4}};
  ASSERT_EQ(rects.size(), expected.size());
  for (size_t i = 0; i < rects.size(); ++i) EXPECT_EQ(rects[i], expected[i]) << i;
  // A partly transparent pixel still catches the mouse; other formats have no alpha.
  auto faint = Filled32(2, 1, MakePixel(0, 0, 0, 1));
  EXPECT_TRUE(SeeThroughRects(*faint).empty());
  image::TWorkingBitmap plane(3, 3, image::TPixelFormat::pf8bit);
  EXPECT_TRUE(SeeThroughRects(plane).empty());
}

TEST(ExtendedFrame, RegionOfTheBorderWindow) {
  const char* rows[4] = {".####.", "######", "######", ".####."};
  const auto picture = Shape(rows);
  const TBorderRegion normal = MakeBorderRegion(6, 4, {1, 1, 1, 1}, 0, false, *picture);
  EXPECT_EQ(normal.Whole, (TRect{0, 0, 6, 4}));
  ASSERT_EQ(normal.Cut.size(), 4u);
  EXPECT_EQ(normal.Cut[0], (TRect{0, 0, 1, 1}));
  EXPECT_EQ(normal.Cut[3], (TRect{5, 3, 6, 4}));
  // Maximised: inside shadow and frame, the top 4 below the shadow.
  auto big = Filled32(100, 80, 0);
  const TBorderRegion maximized = MakeBorderRegion(100, 80, {9, 8, 7, 6}, 4, true, *big);
  EXPECT_EQ(maximized.Whole, (TRect{13, 12, 89, 70}));
  EXPECT_TRUE(maximized.Cut.empty());
  EXPECT_TRUE(MakeBorderRegion(10, 10, {9, 9, 9, 9}, 4, true, *big).Whole.IsEmpty());
}

TEST(ExtendedFrame, TheShadowIsBeyondTheFrameAndInItsCutCorners) {
  const TMargins shadow{9, 8, 7, 6};
  const std::vector<TRect> cuts = {{0, 0, 3, 1}, {0, 1, 1, 2}};
  struct {
    TPoint point;
    bool shadow;
  } cases[] = {{{8, 20}, true},  {{9, 20}, false}, {{108, 20}, false}, {{109, 20}, true}, {{20, 7}, true},
               {{20, 8}, false}, {{20, 57}, false}, {{20, 58}, true},   {{9, 8}, true},    {{11, 8}, true},
               {{12, 8}, false}, {{9, 9}, true},    {{10, 9}, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(MouseAboveTheShadow(c.point, shadow, 100, 50, cuts), c.shadow) << c.point.X << "," << c.point.Y;
  }
}

// The template's grey 10 at alpha a, premultiplied as pushed.
uint32_t Grey(int a) { return MakePixel(10 * a >> 8, 10 * a >> 8, 10 * a >> 8, a); }

TEST(ExtendedFrame, TheFrameLiesOpaqueOverTheShadowExceptItsCutCorners) {
  // A 3 x 3 template: a corner alpha of 60, edges 120, middle 200 (grey 10).
  auto shadowTemplate = image::CreateBmp32(3, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) {
      const int edges = (x == 1) + (y == 1);
      image::SetPixel32(*shadowTemplate, x, y, MakePixel(10, 10, 10, edges == 0 ? 60 : edges == 1 ? 120 : 200));
    }
  // The frame's pixels carry no alpha, as GDI leaves them.
  auto frame = Filled32(4, 3, MakePixel(200, 100, 50, 0));
  image::SetPixel32(*frame, 3, 2, MakePixel(7, 8, 9, 0));
  auto target = Filled32(8, 7, 0xFFFFFFFF);
  ComposeExtendedBorder(*target, shadowTemplate.get(), {1, 1, 1, 1}, {2, 2}, *frame, {{0, 0, 1, 1}, {3, 0, 4, 1}}, {2, 1, 3, 2});
  EXPECT_EQ(image::GetPixel32(*target, 0, 0), Grey(60));
  EXPECT_EQ(image::GetPixel32(*target, 1, 3), Grey(200));
  EXPECT_EQ(image::GetPixel32(*target, 2, 2), image::GetPixel32(*target, 1, 2))
      << "a cut corner shows the shadow beside it";
  EXPECT_EQ(image::GetPixel32(*target, 5, 2), image::GetPixel32(*target, 6, 2));
  EXPECT_NE(image::GetPixel32(*target, 5, 2), 0u);
  EXPECT_EQ(image::GetPixel32(*target, 3, 2), MakePixel(200, 100, 50, 255));
  EXPECT_EQ(image::GetPixel32(*target, 4, 3), 0u) << "the form shows its client area itself";
  EXPECT_EQ(image::GetPixel32(*target, 3, 3), MakePixel(200, 100, 50, 255));
  EXPECT_EQ(image::GetPixel32(*target, 5, 3), MakePixel(200, 100, 50, 255));
  EXPECT_EQ(image::GetPixel32(*target, 5, 4), MakePixel(7, 8, 9, 255));
  EXPECT_EQ(image::GetPixel32(*target, 6, 4), Grey(200));
  EXPECT_EQ(image::GetPixel32(*target, 7, 6), Grey(60));

  // Without a template only the frame shows; a frame beyond the target is clipped.
  ComposeExtendedBorder(*target, nullptr, {}, {6, 5}, *frame, {}, {});
  EXPECT_EQ(image::GetPixel32(*target, 0, 0), 0u);
  EXPECT_EQ(image::GetPixel32(*target, 7, 6), MakePixel(200, 100, 50, 255));

  // The frame again over what is there: the shadow and the clear parts stay.
  auto changed = Filled32(4, 3, MakePixel(1, 2, 3, 0));
  target = Filled32(8, 7, MakePixel(9, 9, 9, 9));
  CopyFrameOpaque(*target, {2, 2}, *changed, {{0, 0, 1, 1}}, {1, 1, 3, 2});
  const std::vector<uint32_t> rows = testing::Pixels(*target);
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 8; ++x) {
      const int fx = x - 2, fy = y - 2;
      const bool onFrame = fx >= 0 && fx < 4 && fy >= 0 && fy < 3 && !(fx == 0 && fy == 0) &&
                         !(fy == 1 && fx >= 1 && fx < 3);
      EXPECT_EQ(rows[static_cast<size_t>(y * 8 + x)], onFrame ? MakePixel(1, 2, 3, 255) : MakePixel(9, 9, 9, 9))
          << x << "," << y;
    }
  }
}

TEST(ExtendedFrame, EdgesAndCornersShowTheirSizingCursors) {
  struct {
    int code;
    TFrameCursor cursor;
  } cases[] = {{htLeft, TFrameCursor::SizeWE},         {htRight, TFrameCursor::SizeWE},
               {htTop, TFrameCursor::SizeNS},          {htBottom, TFrameCursor::SizeNS},
               {htTopLeft, TFrameCursor::SizeNWSE},    {htBottomRight, TFrameCursor::SizeNWSE},
               {htTopRight, TFrameCursor::SizeNESW},   {htBottomLeft, TFrameCursor::SizeNESW},
               {htCaption, TFrameCursor::Arrow},       {htClose, TFrameCursor::Arrow},
               {htBorder, TFrameCursor::Arrow}};
  for (const auto& c : cases) EXPECT_EQ(CursorForHitCode(c.code), c.cursor) << c.code;
}

}  // namespace
}  // namespace zelvan::paint
