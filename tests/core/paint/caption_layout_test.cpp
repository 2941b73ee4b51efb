#include "core/paint/caption_layout.h"

#include <gtest/gtest.h>

namespace zelvan::paint {
namespace {

// A text area from x 30 to 230 (200 wide) in a band 4..24.
constexpr TRect kArea{30, 4, 230, 24};

TEST(CaptionLayout, PlacesTheCaptionAndTheAddedTextByAlignmentAndReadingOrder) {
  using A = TCaptionAlign;
  struct Case {
    const char* what;
    int main, added;
    A align;
    bool rtl;
    int mainLeft, mainRight, addedLeft, addedRight;  // 0, 0: empty
  } cases[] = {
      {"left", 80, 40, A::Left, false, 30, 110, 114, 154},
      {"right", 80, 40, A::Right, false, 106, 186, 190, 230},
      {"centre", 80, 40, A::Center, false, 68, 148, 152, 192},
      {"right-to-left right is at the left, added text first", 80, 40, A::Right, true, 74, 154, 30, 70},
      {"right-to-left left is at the right", 80, 40, A::Left, true, 150, 230, 106, 146},
      {"right-to-left centre stays centred", 80, 40, A::Center, true, 112, 192, 68, 108},
      {"caption alone takes no gap", 80, 0, A::Right, false, 150, 230, 0, 0},
      {"added text alone (caption hidden)", 0, 40, A::Left, false, 0, 0, 30, 70},
      {"the caption gives way first", 300, 40, A::Left, false, 30, 186, 190, 230},
      {"an added text wider than the room fills it", 50, 260, A::Center, false, 0, 0, 30, 230},
      {"centre never starts left of the area", 250, 0, A::Center, false, 30, 230, 0, 0},
  };
  for (const Case& c : cases) {
    const TCaptionPlaces p = PlaceCaptionTexts(kArea, c.main, c.added, c.align, c.rtl);
    EXPECT_EQ(p.Main.Left, c.mainLeft) << c.what;
    EXPECT_EQ(p.Main.Right, c.mainRight) << c.what;
    EXPECT_EQ(p.Added.Left, c.addedLeft) << c.what;
    EXPECT_EQ(p.Added.Right, c.addedRight) << c.what;
    if (!p.Main.IsEmpty()) {
      EXPECT_EQ(p.Main.Top, kArea.Top) << c.what;
    }
    EXPECT_GE(std::min(p.Main.IsEmpty() ? kArea.Left : p.Main.Left, p.Added.IsEmpty() ? kArea.Left : p.Added.Left),
              kArea.Left)
        << c.what;
    EXPECT_LE(std::max(p.Main.Right, p.Added.Right), kArea.Right) << c.what;
  }
}

TEST(CaptionLayout, AnEmptyOrInvertedAreaPlacesNothing) {
  for (const TRect area : {TRect{50, 0, 50, 20}, TRect{60, 0, 40, 20}}) {
    const TCaptionPlaces p = PlaceCaptionTexts(area, 80, 40, TCaptionAlign::Center, false);
    EXPECT_TRUE(p.Main.IsEmpty());
    EXPECT_TRUE(p.Added.IsEmpty());
  }
}

}  // namespace
}  // namespace zelvan::paint
