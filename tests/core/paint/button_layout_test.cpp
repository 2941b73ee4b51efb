// Glyph and caption placement of bit buttons and speed buttons: tables of
// layouts, alignments, margins and spacing with the positions worked out by hand.
#include "core/paint/button_layout.h"

#include <gtest/gtest.h>

namespace zelvan::paint {
namespace {

TEST(BitBtnLayout, PlacesGlyphAndCaptionByLayoutAndAlignment) {
  struct Case {
    const char* what;
    TGlyphSide layout;
    THorzAlign alignment;
    int margin, spacing, gw, tw;
    bool rtl;
    int glyphX, glyphY, textLeft, textTop, textRight;
  } cases[] = {
      // 75 x 25, no glyph, caption 20 x 13: centred ((75 - 20 + 1) div 2), spacing counts as 0.
      {"caption only", gsLeft, haCenter, -1, 4, 0, 20, false, 28, 13, 28, 6, 48},
      // glyph 16 x 16, caption 20 x 13: the automatic margin (75 - 40 + 1) div 2 = 18 exceeds 35 div 2.
      {"left centre", gsLeft, haCenter, -1, 4, 16, 20, false, 18, 5, 38, 6, 58},
      // the caption runs to the right edge less the margin.
      {"left, left-justified", gsLeft, haLeft, -1, 4, 16, 20, false, 2, 5, 22, 6, 73},
      {"left, right-justified", gsLeft, haRight, -1, 4, 16, 20, false, 33, 5, 53, 6, 73},
      {"right centre", gsLeft, haCenter, -1, 4, 16, 20, true, 41, 5, 17, 6, 37},
      {"right, left-justified", gsRight, haLeft, -1, 4, 16, 20, false, 26, 5, 2, 6, 22},
      {"right, right-justified", gsRight, haRight, -1, 4, 16, 20, false, 57, 5, 33, 6, 53},
      // negative spacing with automatic margin: the room split in three.
      {"spread", gsLeft, haCenter, -1, -1, 16, 20, false, 13, 5, 42, 6, 62},
      // given margin, negative spacing: the rest halved.
      {"given margin", gsLeft, haLeft, 5, -1, 16, 20, false, 5, 5, 38, 6, 70},
  };
  for (const auto& c : cases) {
    TBitBtnLayoutInput in;
    in.Client = {0, 0, 75, 25};
    in.GlyphWidth = c.gw, in.GlyphHeight = c.gw;
    in.TextWidth = 20, in.TextHeight = 13;
    in.Margin = c.margin, in.Spacing = c.spacing;
    in.Alignment = c.alignment, in.Layout = c.layout, in.RightToLeft = c.rtl;
    const TGlyphPlace p = BitBtnLayout(in);
    if (c.gw) {
      EXPECT_EQ(p.Glyph.X, c.glyphX) << c.what;
      EXPECT_EQ(p.Glyph.Y, c.glyphY) << c.what;
    }
    EXPECT_EQ(p.Caption.Left, c.textLeft) << c.what;
    EXPECT_EQ(p.Caption.Top, c.textTop) << c.what;
    EXPECT_EQ(p.Caption.Right, c.textRight) << c.what;
  }
}

TEST(BitBtnLayout, TopAndBottomStackInsideTheClient) {
  TBitBtnLayoutInput in;
  in.Client = {2, 3, 77, 53};  // 75 x 50
  in.GlyphWidth = 16, in.GlyphHeight = 16, in.TextWidth = 20, in.TextHeight = 13;
  in.Layout = gsTop;
  TGlyphPlace p = BitBtnLayout(in);
  // glyph y = (50 - 16 - 4 - 13) div 2 = 8; caption below it by 16 + 4.
  EXPECT_EQ(p.Glyph.X, 2 + 30);
  EXPECT_EQ(p.Glyph.Y, 3 + 8);
  EXPECT_EQ(p.Caption.Top, 3 + 28);
  EXPECT_EQ(p.Caption.Left, 2 + 28);
  in.Layout = gsBottom;
  p = BitBtnLayout(in);
  EXPECT_EQ(p.Glyph.Y, 3 + 50 - 16 - 8);
  EXPECT_EQ(p.Caption.Top, 3 + 26 - 4 - 13);
}

TEST(SpeedButtonLayout, RectanglesByLayoutAlignmentAndState) {
  struct Case {
    const char* what;
    int w, h, drop, margin, gw, tw;
    bool caption;
    THorzAlign alignment;
    TGlyphSide layout;
    bool pressed, reflected;
    TRect glyph, text;
  } cases[] = {
      {"glyph only", 23, 21, 0, -1, 16, 0, false, haCenter, gsLeft, false, false, {3, 2, 19, 18}, {22, 10, 22, 11}},
      {"glyph only, pressed", 23, 21, 0, -1, 16, 0, false, haCenter, gsLeft, true, false, {4, 3, 20, 19}, {23, 11, 23, 12}},
      // 80 x 22, glyph 16, caption 30 x 13: h = (80 - 16 - 4 - 30) div 2 = 15.
      {"left centre", 80, 22, 0, -1, 16, 30, true, haCenter, gsLeft, false, false, {15, 3, 31, 19}, {34, 4, 67, 18}},
      {"left, left-justified", 80, 22, 0, -1, 16, 30, true, haLeft, gsLeft, false, false, {0, 3, 16, 19}, {18, 4, 52, 18}},
      {"left, right-justified", 80, 22, 0, -1, 16, 30, true, haRight, gsLeft, false, false, {30, 3, 46, 19}, {49, 4, 82, 18}},
      {"right centre", 80, 22, 0, -1, 16, 30, true, haCenter, gsRight, false, false, {49, 3, 65, 19}, {14, 4, 47, 18}},
      // drop-down part of 16: h = (80 - 16 - 16 - 4 - 30) div 2 = 7; margin 2 gives m = 5, h = 2.
      {"drop-down, margin", 80, 22, 16, 2, 16, 30, true, haCenter, gsLeft, false, false, {7, 3, 23, 19}, {26, 4, 59, 18}},
      {"reflected", 23, 21, 0, -1, 16, 0, false, haCenter, gsLeft, false, true, {3, 0, 19, 16}, {22, 10, 22, 11}},
  };
  for (const auto& c : cases) {
    TSpeedLayoutInput in;
    in.Width = c.w, in.Height = c.h, in.DropDown = c.drop, in.Margin = c.margin;
    in.GlyphWidth = c.gw, in.GlyphHeight = c.gw, in.TextWidth = c.tw, in.TextHeight = c.caption ? 13 : 0;
    in.HasCaption = c.caption, in.Alignment = c.alignment, in.Layout = c.layout;
    in.Pressed = c.pressed, in.Reflected = c.reflected;
    const TSpeedPlace p = SpeedButtonLayout(in);
    EXPECT_EQ(p.Glyph.Left, c.glyph.Left) << c.what;
    EXPECT_EQ(p.Glyph.Top, c.glyph.Top) << c.what;
    EXPECT_EQ(p.Glyph.Right, c.glyph.Right) << c.what;
    EXPECT_EQ(p.Glyph.Bottom, c.glyph.Bottom) << c.what;
    EXPECT_EQ(p.Caption.Left, c.text.Left) << c.what;
    EXPECT_EQ(p.Caption.Top, c.text.Top) << c.what;
    EXPECT_EQ(p.Caption.Right, c.text.Right) << c.what;
    EXPECT_EQ(p.Caption.Bottom, c.text.Bottom) << c.what;
  }
}

TEST(SpeedButtonLayout, TopAndBottomGiveTextLayoutOne) {
  TSpeedLayoutInput in;
  in.Width = 60, in.Height = 50, in.GlyphWidth = 16, in.GlyphHeight = 16, in.TextWidth = 30, in.TextHeight = 13;
  in.HasCaption = true;
  in.Layout = gsTop;
  TSpeedPlace p = SpeedButtonLayout(in);
  // v = (50 - 16 - 4 - 13) div 2 = 8.
  EXPECT_EQ(p.TextLayout, 1);
  EXPECT_EQ(p.Glyph.Left, 23);
  EXPECT_EQ(p.Glyph.Top, 8);
  EXPECT_EQ(p.Caption.Top, 28);
  EXPECT_EQ(p.Caption.Bottom, 42);
  EXPECT_EQ(p.Caption.Left, 14);
  in.Layout = gsBottom;
  p = SpeedButtonLayout(in);
  EXPECT_EQ(p.Glyph.Top, 26);
  EXPECT_EQ(p.Caption.Top, 8);
  EXPECT_EQ(p.Caption.Bottom, 22);
  in.Layout = gsRight;
  EXPECT_EQ(SpeedButtonLayout(in).TextLayout, 2);
}

}  // namespace
}  // namespace zelvan::paint
