#include "core/paint/title_bar_layout.h"

#include <algorithm>

namespace zelvan::paint {

TPoint TitleItemSize(const TTitleItemContent& item, int itemsMargin) {
  if (item.Style == TTitleItemStyle::Spacing) return item.Own;
  int width = item.Image.X, height = item.Image.Y;
  if (item.Text.X > 0 || item.Text.Y > 0) {
    width += item.Text.X + (item.Image.X > 0 ? item.Spacing : 0) + (item.Style == TTitleItemStyle::Tab ? 4 : 0);
    height = std::max(height, item.Text.Y);
  }
  if (item.ArrowWidth > 0 && (item.Style == TTitleItemStyle::Button || item.Style == TTitleItemStyle::Menu))
    width += (item.Style == TTitleItemStyle::Menu ? 4 : 1) + item.ArrowWidth;
  if (item.Style == TTitleItemStyle::Menu || item.Style == TTitleItemStyle::Tab) height += 1;
  const int xMargin = item.Style == TTitleItemStyle::Menu ? 4 : 0;
  return {std::max(16, 2 * (xMargin + itemsMargin) + width), std::max(16, 2 * itemsMargin + height)};
}

int TitleItemsWidth(const std::vector<TTitleItemSlot>& items, TTitleItemAlign align) {
  int sum = 0;
  for (const TTitleItemSlot& item : items) {
    if (item.Visible && item.Align == align) sum += item.Size.X;
  }
  return sum;
}

std::vector<TRect> LayoutTitleItems(const TTitleBarArea& area, const std::vector<TTitleItemSlot>& items) {
  const int leftSum = TitleItemsWidth(items, TTitleItemAlign::Left);
  const int rightSum = TitleItemsWidth(items, TTitleItemAlign::Right);
  const int centreSum = TitleItemsWidth(items, TTitleItemAlign::Center);
  const int spaceSum = TitleItemsWidth(items, TTitleItemAlign::CenterInSpace);
  const TRect& bar = area.Bar;
  int next[4] = {
      bar.Left,                                                                          // left
      bar.Right - rightSum,                                                              // right
      bar.Left + (area.FullRight - bar.Left - centreSum) / 2,                            // centred
      bar.Left + leftSum + (bar.Right - bar.Left - rightSum - leftSum - spaceSum) / 2};  // in the space
  std::vector<TRect> rects(items.size());
  for (size_t i = 0; i < items.size(); ++i) {
    const TTitleItemSlot& item = items[i];
    if (!item.Visible) continue;
    int& x = next[static_cast<int>(item.Align)];
    int top = area.VCenter - item.Size.Y / 2;
    if (item.Style == TTitleItemStyle::Menu) top = bar.Top;
    if (item.Style == TTitleItemStyle::Tab) top = bar.Bottom - item.Size.Y;
    rects[i] = {x, top, x + item.Size.X, top + item.Size.Y};
    x += item.Size.X;
  }
  return rects;
}

}  // namespace zelvan::paint
