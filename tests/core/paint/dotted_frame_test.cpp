#include "core/paint/dotted_frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelvan::paint {
namespace {

// The frame as rows of '.', '1' and '2', later dots over earlier ones.
std::vector<std::string> Picture(const TRect& rect) {
  std::vector<std::string> rows(static_cast<size_t>(rect.Height()), std::string(static_cast<size_t>(rect.Width()), '.'));
  for (const TFrameDot& dot : DottedFrameDots(rect))
    rows.at(static_cast<size_t>(dot.Y - rect.Top)).at(static_cast<size_t>(dot.X - rect.Left)) = dot.Second ? '2' : '1';
  return rows;
}

TEST(DottedFrameDots, EveryThirdPixelWithItsLeadBefore) {
  EXPECT_EQ(Picture({3, 5, 10, 9}), (std::vector<std::string>{"2.12.12",  //
                                                              ".......",  //
                                                              "1.....1",  //
                                                              "2.12.12"}));
}

TEST(DottedFrameDots, StayInsideTheRect) {
  for (const TRect rect : {TRect{0, 0, 1, 1}, TRect{-4, -4, 2, 3}, TRect{5, 5, 13, 6}, TRect{0, 0, 4, 4}}) {
    for (const TFrameDot& dot : DottedFrameDots(rect)) {
      EXPECT_TRUE(dot.X >= rect.Left && dot.X < rect.Right && dot.Y >= rect.Top && dot.Y < rect.Bottom)
          << dot.X << "," << dot.Y << " of " << rect.Left << "," << rect.Top;
    }
  }
  EXPECT_TRUE(DottedFrameDots({5, 5, 5, 9}).empty());
}

}  // namespace
}  // namespace zelvan::paint
