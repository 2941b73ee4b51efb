#include "core/controls/header_layout.h"

#include <gtest/gtest.h>

#include "core/controls/scroll_strip.h"

namespace zelvan::controls {
namespace {

TEST(HeaderLayout, CaptionArrowAndImageByAlignment) {
  // A 100 x 20 section, caption 30 wide (tw 36), arrow 8 x 4 (g 14).
  const struct {
    const char* what;
    THeaderAlign align;
    int width, image, arrow;
    bool pressed;
    paint::TRect text;
    bool right;
    int arrowX, imageLeft;
  } cases[] = {
      {"left, no arrow", THeaderAlign::Left, 100, 0, 0, false, {4, 1, 40, 19}, false, 46, 4},
      {"left with arrow right of the text", THeaderAlign::Left, 100, 0, 8, false, {4, 1, 40, 19}, false, 46, 4},
      {"left with image space", THeaderAlign::Left, 100, 20, 8, false, {24, 1, 60, 19}, false, 66, 4},
      {"narrow left keeps room for the arrow", THeaderAlign::Left, 50, 0, 8, false, {4, 1, 30, 19}, false, 36, 4},
      {"right fits", THeaderAlign::Right, 100, 0, 8, false, {4, 1, 82, 19}, true, 88, 4},
      {"narrow right starts at c + 6", THeaderAlign::Right, 50, 0, 8, false, {6, 1, 32, 19}, false, 38, 6},
      {"centre fits", THeaderAlign::Center, 100, 0, 8, false, {25, 1, 61, 19}, false, 67, 25},
      {"narrow centre starts at c + 6", THeaderAlign::Center, 50, 10, 8, false, {16, 1, 32, 19}, false, 38, 6},
      {"pressed moves the caption by (1, 1)", THeaderAlign::Left, 100, 0, 8, true, {5, 2, 41, 20}, false, 46, 5},
  };
  for (const auto& c : cases) {
    THeaderSectionInput in;
    in.Width = c.width;
    in.Height = 20;
    in.Align = c.align;
    in.TextWidth = 30;
    in.ImageSpace = c.image;
    in.ArrowWidth = c.arrow;
    in.ArrowHeight = 4;
    in.Pressed = c.pressed;
    const THeaderSectionLayout out = LayoutHeaderSection(in);
    EXPECT_EQ(out.Text, c.text) << c.what;
    EXPECT_EQ(out.TextRight, c.right) << c.what;
    EXPECT_EQ(out.Arrow.X, c.arrowX) << c.what;
    EXPECT_EQ(out.Arrow.Y, 8) << c.what;
    EXPECT_EQ(out.ImageLeft, c.imageLeft) << c.what;
  }
}

TEST(HeaderLayout, OnlyThePressedOrElseTheHoveredSectionLights) {
  EXPECT_EQ(HeaderSectionState(1, -1, 1), 1);
  EXPECT_EQ(HeaderSectionState(0, -1, 1), 0);
  EXPECT_EQ(HeaderSectionState(1, 1, 1), 2);
  EXPECT_EQ(HeaderSectionState(1, 0, 1), 0) << "another column pressed: the hovered one stays plain";
  EXPECT_EQ(HeaderSectionState(-1, -1, -2), 0) << "the filler right of the sections";
  EXPECT_EQ(HeaderSectionState(-1, -1, -1), 0);
}

TEST(ScrollStrip, TheStripUncoveredInClientCoordinates) {
  const struct {
    const char* what;
    bool horizontal;
    int d;
    paint::TRect strip;
  } cases[] = {
      // A box 318 high with a 2-pixel border: client 314 high.
      {"down 30", false, -30, {0, 284, 200, 314}},
      {"up 30", false, 30, {0, 0, 200, 30}},
      {"right 12", true, -12, {188, 0, 200, 314}},
      {"left 12", true, 12, {0, 0, 12, 314}},
      {"more than a page uncovers all", false, -1000, {0, 0, 200, 314}},
      {"no move, no strip", false, 0, {0, 0, 0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(UncoveredStrip(c.horizontal, c.d, 200, 314), c.strip) << c.what;
}

TEST(ScrollStrip, WheelMovesWholeNotchesOnly) {
  EXPECT_EQ(WheelPosition(40, 120, 8), 32) << "one notch up";
  EXPECT_EQ(WheelPosition(40, -240, 8), 56) << "two notches down";
  EXPECT_EQ(WheelPosition(40, 60, 8), 40) << "half a notch";
  EXPECT_EQ(WheelPosition(40, -180, 8), 48) << "one and a half notches: one";
}

}  // namespace
}  // namespace zelvan::controls
