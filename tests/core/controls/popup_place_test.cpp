#include "core/controls/popup_place.h"

#include <gtest/gtest.h>

namespace zelvan::controls {
namespace {

TEST(PopupPlace, BelowOrAboveAndOnTheSideThatFits) {
  const paint::TRect desktop{0, 0, 1000, 700};
  const struct {
    const char* what;
    paint::TRect edit;
    TPopupAlign align;
    int x, y;
  } cases[] = {
      {"right-aligned below", {300, 100, 500, 121}, TPopupAlign::Right, 303, 121},
      {"left-aligned below", {300, 100, 500, 121}, TPopupAlign::Left, 300, 121},
      {"right near the left edge opens left-aligned", {10, 100, 150, 121}, TPopupAlign::Right, 10, 121},
      {"left near the right edge opens right-aligned", {850, 100, 990, 121}, TPopupAlign::Left, 793, 121},
      {"near the bottom opens above", {300, 600, 500, 621}, TPopupAlign::Right, 303, 434},
      {"wider than the room on both sides stays on the desktop", {-50, 100, 100, 121}, TPopupAlign::Left, 0, 121},
      {"past the right edge is pulled back", {900, 100, 1100, 121}, TPopupAlign::Left, 803, 121},
  };
  for (const auto& c : cases) {
    const paint::TPoint at = PopupOrigin(c.edit, 197, 166, desktop, c.align);
    EXPECT_EQ(at.X, c.x) << c.what;
    EXPECT_EQ(at.Y, c.y) << c.what;
  }
}

}  // namespace
}  // namespace zelvan::controls
