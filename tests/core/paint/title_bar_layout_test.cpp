#include "core/paint/title_bar_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace zelvan::paint {
namespace {

using S = TTitleItemStyle;
using A = TTitleItemAlign;

struct SizeCase {
  const char* name;
  TTitleItemContent item;
  TPoint expected;
};

TEST(TitleItemSize, FromContentMarginsAndStyle) {
  const std::vector<SizeCase> cases = {
      {"nothing at all", {S::Button, {0, 0}, {0, 0}, 4, 0, {22, 18}}, {16, 16}},
      {"spacer keeps its own size", {S::Spacing, {16, 16}, {40, 13}, 4, 0, {30, 5}}, {30, 5}},
      {"image", {S::Button, {20, 14}, {0, 0}, 4, 0, {22, 18}}, {26, 20}},
      {"image and caption", {S::Button, {16, 16}, {40, 13}, 4, 0, {22, 18}}, {6 + 16 + 4 + 40, 22}},
      {"caption only", {S::Info, {0, 0}, {40, 13}, 4, 0, {22, 18}}, {46, 19}},
      {"tab: 4 more wide, 1 more high", {S::Tab, {0, 0}, {40, 13}, 4, 0, {22, 18}}, {50, 20}},
      {"menu: margins of 4 more and the arrow", {S::Menu, {0, 0}, {40, 13}, 4, 10, {22, 18}}, {2 * 7 + 40 + 4 + 10, 20}},
      {"button with a drop-down", {S::Button, {16, 16}, {0, 0}, 4, 10, {22, 18}}, {6 + 16 + 1 + 10, 22}},
      {"an arrow only with a drop-down style", {S::Tab, {16, 16}, {0, 0}, 4, 10, {22, 18}}, {22, 23}},
  };
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TPoint size = TitleItemSize(c.item, 3);
    EXPECT_EQ(size.X, c.expected.X);
    EXPECT_EQ(size.Y, c.expected.Y);
  }
}

TEST(TitleItemLayout, EachAlignmentHasItsRunningPlace) {
  TTitleBarArea area;
  area.Bar = {30, 4, 330, 30};
  area.VCenter = 17;
  area.FullRight = 430;  // the band goes on under the caption buttons
  const std::vector<TTitleItemSlot> items = {
      {S::Button, A::Left, {20, 16}, true},   {S::Menu, A::Left, {30, 18}, true},
      {S::Button, A::Right, {24, 16}, true},  {S::Tab, A::Right, {40, 20}, true},
      {S::Button, A::Center, {50, 16}, true}, {S::Info, A::CenterInSpace, {60, 16}, true},
      {S::Button, A::Left, {99, 16}, false}};
  const std::vector<TRect> r = LayoutTitleItems(area, items);
  ASSERT_EQ(r.size(), items.size());
  EXPECT_EQ(r[0].Left, 30);
  EXPECT_EQ(r[1].Left, 50);
  EXPECT_EQ(r[1].Top, 4) << "a menu button hangs from the bar's top";
  EXPECT_EQ(r[2].Left, 330 - 64);
  EXPECT_EQ(r[3].Left, 330 - 40);
  EXPECT_EQ(r[3].Bottom, 30) << "a tab stands on the bar's bottom";
  EXPECT_EQ(r[0].Top, 17 - 8);
  EXPECT_EQ(r[4].Left, 30 + (430 - 30 - 50) / 2) << "centred up to the band's end, not the buttons";
  EXPECT_EQ(r[5].Left, 30 + 50 + (300 - 64 - 50 - 60) / 2);
  EXPECT_TRUE(r[6].IsEmpty());
  EXPECT_EQ(TitleItemsWidth(items, A::Left), 50) << "hidden items take no room";
}

}  // namespace
}  // namespace zelvan::paint
