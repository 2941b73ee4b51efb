#include "core/paint/caption_layout.h"

#include <algorithm>

namespace zelvan::paint {

TCaptionPlaces PlaceCaptionTexts(const TRect& area, int mainWidth, int addedWidth, TCaptionAlign align,
                                 bool rightToLeft) {
  const int room = std::max(0, area.Width());
  int added = std::clamp(addedWidth, 0, room);
  int gap = mainWidth > 0 && added > 0 ? kAddedTitleGap : 0;
  if (added + gap > room) gap = 0;
  const int main = std::clamp(mainWidth, 0, room - added - gap);
  if (main == 0) gap = 0;
  const int total = main + gap + added;

  if (rightToLeft && align != TCaptionAlign::Center) {
    align = align == TCaptionAlign::Left ? TCaptionAlign::Right : TCaptionAlign::Left;
  }
  int x = area.Left;
  if (align == TCaptionAlign::Right) x = area.Right - total;
  if (align == TCaptionAlign::Center) x = area.Left + std::max(0, (room - total) / 2);

  const auto span = [&](int left, int width) { return width > 0 ? TRect{left, area.Top, left + width, area.Bottom} : TRect{}; };
  TCaptionPlaces places;
  if (rightToLeft) {
    places.Added = span(x, added);
    places.Main = span(x + added + gap, main);
  } else {
    places.Main = span(x, main);
    places.Added = span(x + main + gap, added);
  }
  return places;
}

}  // namespace zelvan::paint
