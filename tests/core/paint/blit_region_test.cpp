#include <gtest/gtest.h>

#include "core/paint/blit_region.h"
#include "tests/core/paint/bitmap_fixture.h"

namespace zelvan::paint {
namespace {

TEST(ClipBlit, CutsToBothBitmapsAndShiftsNegativeCoordinates) {
  const image::TWorkingBitmap destination(10, 8), source(6, 5);
  const struct {
    const char* name;
    TPoint dst, src;
    int width, height;
    TBlitRegion expected;
  } cases[] = {
      {"inside", {2, 3}, {1, 1}, 4, 3, {2, 3, 1, 1, 4, 3}},
      {"negative_destination", {-2, -1}, {0, 0}, 6, 5, {0, 0, 2, 1, 4, 4}},
      {"negative_source", {3, 3}, {-1, -2}, 4, 4, {4, 5, 0, 0, 3, 2}},
      {"past_destination_edge", {8, 7}, {0, 0}, 6, 5, {8, 7, 0, 0, 2, 1}},
      {"past_source_edge", {0, 0}, {4, 3}, 6, 5, {0, 0, 4, 3, 2, 2}},
      {"huge_coordinates", {INT32_MIN, 0}, {0, 0}, INT32_MAX, 1, {}},
  };
  for (const auto& c : cases) {
    const TBlitRegion r = ClipBlit(destination, c.dst, source, c.src, c.width, c.height);
    if (c.expected.IsEmpty()) {
      EXPECT_TRUE(r.IsEmpty()) << c.name;
      continue;
    }
    EXPECT_EQ(r.DstX, c.expected.DstX) << c.name;
    EXPECT_EQ(r.DstY, c.expected.DstY) << c.name;
    EXPECT_EQ(r.SrcX, c.expected.SrcX) << c.name;
    EXPECT_EQ(r.SrcY, c.expected.SrcY) << c.name;
    EXPECT_EQ(r.Width, c.expected.Width) << c.name;
    EXPECT_EQ(r.Height, c.expected.Height) << c.name;
  }
}

}  // namespace
}  // namespace zelvan::paint
