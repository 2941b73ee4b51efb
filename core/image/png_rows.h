#pragma once
// Row-level parts of PNG decoding: undoing the five filters and the geometry
// of the seven Adam7 passes.

#include <cstddef>
#include <cstdint>

namespace zelvan::image::png {

// Undoes filter type (0 none, 1 sub, 2 up, 3 average, 4 Paeth) in place.
// previous is the unfiltered row before (all zero for the first). An unknown
// type leaves the row as it is and returns false.
bool Unfilter(int type, uint8_t* row, const uint8_t* previous, size_t bytes, size_t pixelBytes);

struct TPass {
  int FirstColumn, FirstRow, ColumnStep, RowStep;
  // Pixel columns and rows of an image this pass covers.
  uint32_t Columns(uint32_t width) const;
  uint32_t Rows(uint32_t height) const;
};

inline constexpr TPass kAdam7[7] = {
    {0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2},
};
inline constexpr TPass kWholeImage = {0, 0, 1, 1};

}  // namespace zelvan::image::png
