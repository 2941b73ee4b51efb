#pragma once
// Row-level parts of PNG decoding: undoing the five filters and the geometry
// of the seven Adam7 passes.

#include <cstddef>
#include <cstdint>

namespace zelvan::image::png {

// Undoes filter type (0 none, 1 sub, 2 up, 3 average, 4 Paeth) in place.
// previous is the unfiltered row before (all zero for the first). An unknown
// type leaves the row as it is and returns false. Rows of 3- and 4-byte
// pixels take the vector path when simd::Active() allows.
bool Unfilter(int type, uint8_t* row, const uint8_t* previous, size_t bytes, size_t pixelBytes);

// The plain loops, for tests that compare them with the vector path.
namespace reference {
bool Unfilter(int type, uint8_t* row, const uint8_t* previous, size_t bytes, size_t pixelBytes);
}

#if defined(__i386__) || defined(__x86_64__)
namespace sse2 {
// Types 1 (sub) and 4 (Paeth) for pixelBytes 3 or 4, 3 (average) for 4, 2 (up)
// for any; false for the rest, which the plain loop then does.
bool Unfilter(int type, uint8_t* row, const uint8_t* previous, size_t bytes, size_t pixelBytes);
}
#endif

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
