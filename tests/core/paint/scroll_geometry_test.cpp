// Scroll bar arithmetic: the thumb of a list of 100 rows, the smallest thumb,
// ranges that leave nothing to scroll, and over many random bars the thumb
// always inside its track, its position read back from where it lies, and
// every coordinate of a bar hitting the part painted there.
#include "core/paint/scroll_geometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace zelvan::paint {
namespace {

TEST(ScrollGeometry, ListOfAHundredRowsTwentyShown) {
  // A 200-pixel bar with 17-pixel arrows: the track is 166.
  const TScrollRange range{0, 99, 20, 80};
  EXPECT_EQ(TrackLength(200, 17), 166);
  EXPECT_EQ(ThumbLength(range, 166, 17, 10), 33);
  EXPECT_EQ(ThumbOffset(range, 166, 33), 133);
  const TThumb thumb = ThumbOf(range, 200, 17, 10);
  EXPECT_EQ(thumb.Start, 17 + 133);
  EXPECT_EQ(thumb.Start + thumb.Length, 200 - 17) << "at the last position the thumb ends at the track's end";
  EXPECT_EQ(PositionOfThumb(range, 133, 166, 33), 80);
  EXPECT_EQ(PositionOfThumb(range, 0, 166, 33), 0);
}

TEST(ScrollGeometry, SmallestThumb) {
  EXPECT_EQ(ThumbLength({0, 9999, 1, 0}, 166, 17, 10), 10);
  EXPECT_EQ(ThumbOf({0, 9999, 1, 9999}, 200, 17, 10).Start + 10, 183);
  // A page of 0 gives the arrow length.
  EXPECT_EQ(ThumbLength({0, 100, 0, 0}, 166, 17, 10), 17);
}

TEST(ScrollGeometry, NothingToScrollNeverDivides) {
  const struct {
    TScrollRange Range;
    int Bar, Arrow, MinThumb;
  } cases[] = {
      {{0, 0, 0, 0}, 200, 17, 10},       // empty range, no page
      {{0, 9, 50, 0}, 200, 17, 10},      // page larger than the range
      {{5, 5, 1, 5}, 200, 17, 10},       // one position
      {{10, 3, 2, 7}, 200, 17, 10},      // max below min
      {{0, 99, 20, 50}, 34, 17, 10},     // no room for a track
      {{0, 99, 20, 50}, 40, 17, 10},     // a track shorter than the smallest thumb
      {{0, 99, 20, 50}, 44, 17, 10},     // the thumb fills the track
      {{INT_MIN, INT_MAX, 0, 0}, 200, 17, 10},
      {{INT_MIN, INT_MAX, INT_MAX, INT_MAX}, 200, 17, 10},
      {{0, 99, -5, 3}, 200, 17, 10},     // a page read back as negative
      {{0, 99, 20, 50}, 200, -3, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Range.Min << ".." << c.Range.Max << " page " << c.Range.Page << " bar "
                                    << c.Bar);
    const int track = TrackLength(c.Bar, c.Arrow);
    const TThumb thumb = ThumbOf(c.Range, c.Bar, c.Arrow, c.MinThumb);
    if (thumb.Visible()) {
      EXPECT_GE(thumb.Start, std::max(c.Arrow, 0));
      EXPECT_LE(thumb.Start + thumb.Length, std::max(c.Arrow, 0) + track);
    }
    const int thumbLength = thumb.Visible() ? thumb.Length : track;
    const int position = PositionOfThumb(c.Range, 5, track, thumbLength);
    if (ScrollSpan(c.Range) <= 0 || track - thumbLength <= 0) {
      EXPECT_EQ(position, c.Range.Min) << "a thumb that cannot move stands for the first position";
    }
  }
  EXPECT_EQ(ThumbOf({0, 99, 20, 50}, 34, 17, 10).Length, 0) << "no track, no thumb";
  EXPECT_EQ(ThumbOf({0, 99, 20, 50}, 40, 17, 10).Length, 0) << "the smallest thumb does not fit";
  EXPECT_EQ(MulDivRounded(5, 7, 0), 0);
  EXPECT_EQ(MulDivRounded(-7, 1, 2), -4) << "half away from zero";
  EXPECT_EQ(MulDivRounded(INT_MAX, INT_MAX, 1), INT_MAX);
}

TEST(ScrollGeometry, RandomBarsKeepTheThumbInsideAndReadBackTheirPosition) {
  std::mt19937 random(20261211);
  for (int i = 0; i < 20000; ++i) {
    const int min = std::uniform_int_distribution<int>(-1000, 1000)(random);
    const int count = std::uniform_int_distribution<int>(0, i % 2 ? 100 : 100000)(random);
    const int max = min + count - 1;
    const int page = std::uniform_int_distribution<int>(0, count + 5)(random);
    const int last = max - std::max(page, 1) + 1;
    const int pos = last > min ? std::uniform_int_distribution<int>(min, last)(random) : min;
    const TScrollRange range{min, max, page, pos};
    const int bar = std::uniform_int_distribution<int>(0, 1200)(random);
    const int arrow = std::uniform_int_distribution<int>(0, 40)(random);
    const int minThumb = std::uniform_int_distribution<int>(0, 30)(random);
    SCOPED_TRACE(testing::Message() << min << ".." << max << " page " << page << " pos " << pos << " bar " << bar
                                    << " arrow " << arrow << " min thumb " << minThumb);
    const int track = TrackLength(bar, arrow);
    const TThumb thumb = ThumbOf(range, bar, arrow, minThumb);
    if (!thumb.Visible()) continue;
    ASSERT_GE(thumb.Length, std::max(minThumb, 1));
    ASSERT_GE(thumb.Start, arrow);
    ASSERT_LE(thumb.Start + thumb.Length, arrow + track);
    const int offset = thumb.Start - arrow;
    const int back = PositionOfThumb(range, offset, track, thumb.Length);
    ASSERT_GE(back, min);
    ASSERT_LE(back, std::max(last, min));
    // With at least a pixel per position the thumb tells its position exactly.
    if (ScrollSpan(range) > 0 && track - thumb.Length >= ScrollSpan(range)) {
      ASSERT_EQ(back, pos);
    }
    // Dragged to either end, it stands for the first and the last position.
    ASSERT_EQ(PositionOfThumb(range, -50, track, thumb.Length), min);
    if (track > thumb.Length) {
      ASSERT_EQ(PositionOfThumb(range, track + 50, track, thumb.Length), std::max(last, min));
    }
    // Every pixel of the bar hits the part that lies there.
    for (int c : {0, arrow - 1, arrow, thumb.Start - 1, thumb.Start, thumb.Start + thumb.Length - 1,
                  thumb.Start + thumb.Length, bar - arrow, bar - 1}) {
      if (c < 0 || c >= bar) continue;
      const TScrollPart part = PartAt(c, bar, arrow, thumb);
      const TScrollPart expected = c < arrow                              ? spLineUp
                                   : c >= bar - arrow                     ? spLineDown
                                   : c < thumb.Start                      ? spPageUp
                                   : c < thumb.Start + thumb.Length       ? spThumb
                                                                          : spPageDown;
      ASSERT_EQ(part, expected) << "at " << c;
    }
  }
}

TEST(ScrollGeometry, PartsOfShortBarsAndOutside) {
  const TThumb none{};
  EXPECT_EQ(PartAt(-1, 100, 17, none), spNone);
  EXPECT_EQ(PartAt(100, 100, 17, none), spNone);
  // Too short for arrows and track: two halves.
  EXPECT_EQ(PartAt(14, 30, 17, none), spLineUp);
  EXPECT_EQ(PartAt(15, 30, 17, none), spLineDown);
  // No thumb: the track's halves page.
  EXPECT_EQ(PartAt(49, 100, 17, none), spPageUp);
  EXPECT_EQ(PartAt(50, 100, 17, none), spPageDown);
}

TEST(ScrollGeometry, ControlThumb) {
  EXPECT_EQ(ControlThumbLength({0, 99, 20, 0}, 166), 33);
  EXPECT_EQ(ControlThumbLength({0, 9999, 1, 0}, 166), 14);
  EXPECT_EQ(ControlThumbLength({0, 99, 0, 0}, 166), 14);
  EXPECT_EQ(ControlThumbLength({0, 9, 50, 0}, 166), 166) << "never longer than the work area";
  EXPECT_EQ(ControlThumbLength({0, 99, 20, 0}, 10), 10);
  EXPECT_EQ(ControlThumbLength({5, 0, 20, 0}, 100), 14);
}

TEST(ScrollGeometry, Metrics) {
  EXPECT_EQ(BarThickness(12, 17), 12);
  EXPECT_EQ(BarThickness(-1, 17), 17);
  EXPECT_EQ(BarThickness(-2, 17), 34);
  EXPECT_EQ(ArrowLength(9, 20, 17), 9);
  EXPECT_EQ(ArrowLength(-1, 0, 17), 17) << "no skin size: the platform's";
  EXPECT_EQ(ArrowLength(-1, 20, 17), 20);
  EXPECT_EQ(ArrowLength(-2, 20, 19), 44);
}

TEST(ScrollGeometry, LayoutOfBars) {
  const TRect edges{2, 2, 2, 2};
  const struct {
    bool Horz, Vert, Left;
    TRect H, V, Corner;
  } cases[] = {
      {true, true, false, {2, 81, 81, 98}, {81, 2, 98, 81}, {81, 81, 98, 98}},
      {true, true, true, {19, 81, 98, 98}, {2, 2, 19, 81}, {2, 81, 19, 98}},
      {false, true, false, {}, {81, 2, 98, 98}, {}},
      {true, false, false, {2, 81, 98, 98}, {}, {}},
  };
  for (const auto& c : cases) {
    const TScrollLayout layout = LayoutOfBars(100, 100, edges, c.Horz, 17, c.Vert, 17, c.Left);
    EXPECT_EQ(layout.Horz, c.H);
    EXPECT_EQ(layout.Vert, c.V);
    EXPECT_EQ(layout.Corner, c.Corner);
  }
}

}  // namespace
}  // namespace zelvan::paint
