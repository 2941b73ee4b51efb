#include "core/paint/glow_geometry.h"

#include <gtest/gtest.h>

namespace zelvan::paint {
namespace {

// A 100 x 40 control at (200, 300); a glow part reaching 8, 6, 10, 4 pixels
// out; the section pulls the glow in by 2.
constexpr TRect kControl{200, 300, 300, 340};
constexpr TGlowMargins kPart{8, 6, 10, 4};

TEST(GlowGeometry, TheGlowSurroundsTheVisiblePartOfTheControlOnly) {
  struct Case {
    const char* what;
    TRect visible;
    TRect crop;
    TPoint position;
  } cases[] = {
      // Whole: 100 + 8 + 10 - 4 = 114 wide, 40 + 6 + 4 - 4 = 46 high, from (206 - 8 ... ).
      {"fully visible", kControl, {0, 0, 114, 46}, {194, 296}},
      {"left half scrolled out", {250, 300, 300, 340}, {56, 0, 114, 46}, {250, 296}},
      {"bottom cut by 10", {200, 300, 300, 330}, {0, 0, 114, 34}, {194, 296}},
      {"top and right cut", {200, 305, 290, 340}, {0, 9, 96, 46}, {194, 305}},
      {"nothing visible", {250, 320, 250, 320}, {56, 24, 56, 24}, {250, 320}},
  };
  for (const Case& c : cases) {
    const TGlowPlacement p = PlaceGlow(kControl, c.visible, kPart, 2);
    EXPECT_EQ(p.Width, 114) << c.what;
    EXPECT_EQ(p.Height, 46) << c.what;
    EXPECT_EQ(p.Crop, c.crop) << c.what << ": " << p.Crop.Left << "," << p.Crop.Top << "," << p.Crop.Right << ","
                              << p.Crop.Bottom;
    EXPECT_EQ(p.Position.X, c.position.X) << c.what;
    EXPECT_EQ(p.Position.Y, c.position.Y) << c.what;
  }
}

TEST(GlowGeometry, ATopCutUsesTheTopReachNotTheLeftOne) {
  // Reaches differ on purpose: a top crop taken from the left reach would
  // leave 4 rows of glow above the cut.
  const TGlowPlacement p = PlaceGlow(kControl, {200, 310, 300, 340}, {12, 8, 0, 0}, 0);
  EXPECT_EQ(p.Crop.Top, 8 + 10);
  EXPECT_EQ(p.Position.Y, 310);
}

TEST(GlowGeometry, APullLargerThanTheReachLeavesNoNegativeSizes) {
  const TGlowPlacement p = PlaceGlow({0, 0, 4, 4}, {0, 0, 4, 4}, {1, 1, 1, 1}, 10);
  EXPECT_EQ(p.Width, 0);
  EXPECT_EQ(p.Height, 0);
  EXPECT_TRUE(p.Empty());
}

}  // namespace
}  // namespace zelvan::paint
