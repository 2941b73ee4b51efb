#include "core/paint/scroll_geometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace zelvan::paint {

namespace {

constexpr int kControlMinThumb = 14;

long long RoundedDiv(long long numerator, long long denominator) {
  // Half away from zero; the caller guarantees denominator > 0.
  const long long half = denominator / 2;
  return numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
}

int ToInt(long long value) {
  return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

long long PageOf(const TScrollRange& range) { return std::max(range.Page, 0); }

}  // namespace

int MulDivRounded(int a, int b, int c) {
  if (c == 0) return 0;
  long long numerator = static_cast<long long>(a) * b;
  long long denominator = c;
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  return ToInt(RoundedDiv(numerator, denominator));
}

long long ScrollSpan(const TScrollRange& range) {
  return static_cast<long long>(range.Max) - range.Min - std::max<long long>(PageOf(range), 1) + 1;
}

int TrackLength(int barLength, int arrowLength) {
  return ToInt(std::max<long long>(0, static_cast<long long>(barLength) - 2LL * std::max(arrowLength, 0)));
}

int ThumbLength(const TScrollRange& range, int track, int arrowLength, int minThumb) {
  const int least = std::max(minThumb, 1);
  if (PageOf(range) == 0) return std::max(arrowLength, least);
  const long long count = static_cast<long long>(range.Max) - range.Min + 1;
  if (count <= 0) return std::max(track, least);  // an upside-down range: nothing to show in proportion
  const long long length = RoundedDiv(PageOf(range) * std::max(track, 0), count);
  return ToInt(std::max<long long>(length, least));
}

int ThumbOffset(const TScrollRange& range, int track, int thumb) {
  const long long room = static_cast<long long>(track) - thumb;
  const long long span = ScrollSpan(range);
  if (room <= 0 || span <= 0) return 0;
  const long long from = std::max<long long>(static_cast<long long>(range.Pos) - range.Min, 0);
  return ToInt(std::clamp<long long>(RoundedDiv(from * room, span), 0, room));
}

TThumb ThumbOf(const TScrollRange& range, int barLength, int arrowLength, int minThumb) {
  const int track = TrackLength(barLength, arrowLength);
  if (track <= 0) return {};
  const int length = ThumbLength(range, track, arrowLength, minThumb);
  if (length > track) return {};
  return {std::max(arrowLength, 0) + ThumbOffset(range, track, length), length};
}

int PositionOfThumb(const TScrollRange& range, int offset, int track, int thumb) {
  const long long room = static_cast<long long>(track) - thumb;
  const long long span = ScrollSpan(range);
  if (room <= 0 || span <= 0) return range.Min;
  const long long at = std::clamp<long long>(offset, 0, room);
  return ToInt(range.Min + std::clamp<long long>(RoundedDiv(at * span, room), 0, span));
}

TScrollPart PartAt(int coordinate, int barLength, int arrowLength, const TThumb& thumb) {
  if (coordinate < 0 || coordinate >= barLength) return spNone;
  const int arrow = std::max(arrowLength, 0);
  if (2LL * arrow >= barLength) return coordinate < barLength / 2 ? spLineUp : spLineDown;
  if (coordinate < arrow) return spLineUp;
  if (coordinate >= barLength - arrow) return spLineDown;
  if (!thumb.Visible()) return coordinate < barLength / 2 ? spPageUp : spPageDown;
  if (coordinate < thumb.Start) return spPageUp;
  if (coordinate < thumb.Start + thumb.Length) return spThumb;
  return spPageDown;
}

int ControlThumbLength(const TScrollRange& range, int work) {
  if (work <= 0) return 0;
  const long long count = static_cast<long long>(range.Max) - range.Min + 1;
  long long length = kControlMinThumb;
  if (PageOf(range) > 0 && count > 0) length = std::max<long long>(RoundedDiv(work * PageOf(range), count), length);
  return ToInt(std::min<long long>(length, work));
}

int BarThickness(int arrowWidth, int systemThickness) {
  return arrowWidth >= 0 ? arrowWidth : ToInt(-static_cast<long long>(arrowWidth) * systemThickness);
}

int ArrowLength(int arrowLength, int skinButton, int systemArrow) {
  if (arrowLength >= 0) return arrowLength;
  const long long unit = skinButton > 0 ? static_cast<long long>(skinButton) + systemArrow - 17 : systemArrow;
  return ToInt(std::max<long long>(0, -static_cast<long long>(arrowLength) * unit));
}

TScrollLayout LayoutOfBars(int width, int height, const TRect& edges, bool horzShown, int horzThickness,
                           bool vertShown, int vertThickness, bool leftScrollBar) {
  const TRect inner{edges.Left, edges.Top, width - edges.Right, height - edges.Bottom};
  TScrollLayout layout;
  if (vertShown) {
    const int bottom = inner.Bottom - (horzShown ? horzThickness : 0);
    layout.Vert = leftScrollBar ? TRect{inner.Left, inner.Top, inner.Left + vertThickness, bottom}
                                : TRect{inner.Right - vertThickness, inner.Top, inner.Right, bottom};
  }
  if (horzShown) {
    const int left = inner.Left + (vertShown && leftScrollBar ? vertThickness : 0);
    const int right = inner.Right - (vertShown && !leftScrollBar ? vertThickness : 0);
    layout.Horz = {left, inner.Bottom - horzThickness, right, inner.Bottom};
  }
  if (horzShown && vertShown) layout.Corner = {layout.Vert.Left, layout.Horz.Top, layout.Vert.Right, layout.Horz.Bottom};
  return layout;
}

}  // namespace zelvan::paint
