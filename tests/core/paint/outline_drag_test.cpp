#include "core/paint/outline_drag.h"

#include <gtest/gtest.h>

namespace zelvan::paint {
namespace {

constexpr TRect kStart{100, 50, 400, 250};  // 300 x 200
constexpr TSizeLimits kLimits{120, 80, 500, 300};

TEST(OutlineDrag, CaptionMovesEdgesSizeWithinTheLimits) {
  struct Case {
    const char* what;
    int hit, dx, dy;
    TRect expected;
  } cases[] = {
      {"caption moves the whole window", htCaption, -30, 45, {70, 95, 370, 295}},
      {"right edge grows", htRight, 50, 9, {100, 50, 450, 250}},
      {"right edge stops at the largest width", htRight, 900, 0, {100, 50, 600, 250}},
      {"left edge shrinks to the smallest width and no further", htLeft, 250, 0, {280, 50, 400, 250}},
      {"left edge grows outward", htLeft, -40, 7, {60, 50, 400, 250}},
      {"top edge stops at the smallest height", htTop, 0, 500, {100, 170, 400, 250}},
      {"bottom edge shrinks", htBottom, 3, -20, {100, 50, 400, 230}},
      {"top-left corner moves both", htTopLeft, -10, -20, {90, 30, 400, 250}},
      {"bottom-right corner stops at both largest sizes", htBottomRight, 1000, 1000, {100, 50, 600, 350}},
      {"top-right corner", htTopRight, 20, 20, {100, 70, 420, 250}},
      {"bottom-left corner", htBottomLeft, 20, 20, {120, 50, 400, 270}},
  };
  for (const Case& c : cases) {
    const TRect r = OutlineDragRect(kStart, c.hit, c.dx, c.dy, kLimits);
    EXPECT_EQ(r.Left, c.expected.Left) << c.what;
    EXPECT_EQ(r.Top, c.expected.Top) << c.what;
    EXPECT_EQ(r.Right, c.expected.Right) << c.what;
    EXPECT_EQ(r.Bottom, c.expected.Bottom) << c.what;
  }
}

TEST(OutlineDrag, LimitsThatContradictKeepTheSmallestSize) {
  const TRect r = OutlineDragRect(kStart, htBottomRight, -500, 500, TSizeLimits{150, 90, 100, 60});
  EXPECT_EQ(r.Width(), 150);
  EXPECT_EQ(r.Height(), 90);
}

TEST(OutlineDrag, OnlyCaptionEdgesAndCornersStartADrag) {
  for (int code : {htCaption, htLeft, htRight, htTop, htBottom, htTopLeft, htTopRight, htBottomLeft, htBottomRight}) {
    EXPECT_TRUE(StartsOutlineDrag(code)) << code;
  }
  for (int code : {htNowhere, htClient, htSysMenu, htMenu, htMinButton, htMaxButton, htBorder, htClose, htHelp}) {
    EXPECT_FALSE(StartsOutlineDrag(code)) << code;
  }
}

}  // namespace
}  // namespace zelvan::paint
