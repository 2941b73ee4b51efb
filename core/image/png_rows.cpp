#include "core/image/png_rows.h"

#include <cstdlib>

#include "core/simd/cpu_features.h"

namespace zelvan::image::png {

namespace {

inline uint8_t Paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return static_cast<uint8_t>(a);
  return static_cast<uint8_t>(pb <= pc ? b : c);
}

}  // namespace

bool Unfilter(int type, uint8_t* row, const uint8_t* previous, size_t bytes, size_t pixelBytes) {
#if defined(__i386__) || defined(__x86_64__)
  if (simd::Active() >= simd::TLevel::kSse2 && sse2::Unfilter(type, row, previous, bytes, pixelBytes)) return true;
#endif
  return reference::Unfilter(type, row, previous, bytes, pixelBytes);
}

bool reference::Unfilter(int type, uint8_t* row, const uint8_t* previous, size_t bytes, size_t pixelBytes) {
  switch (type) {
    case 0:
      return true;
    case 1:
      for (size_t i = pixelBytes; i < bytes; ++i) row[i] = static_cast<uint8_t>(row[i] + row[i - pixelBytes]);
      return true;
    case 2:
      for (size_t i = 0; i < bytes; ++i) row[i] = static_cast<uint8_t>(row[i] + previous[i]);
      return true;
    case 3:
      for (size_t i = 0; i < bytes; ++i) {
        const int left = i >= pixelBytes ? row[i - pixelBytes] : 0;
        row[i] = static_cast<uint8_t>(row[i] + ((left + previous[i]) >> 1));
      }
      return true;
    case 4:
      for (size_t i = 0; i < bytes; ++i) {
        const int left = i >= pixelBytes ? row[i - pixelBytes] : 0;
        const int upLeft = i >= pixelBytes ? previous[i - pixelBytes] : 0;
        row[i] = static_cast<uint8_t>(row[i] + Paeth(left, previous[i], upLeft));
      }
      return true;
    default:
      return false;
  }
}

uint32_t TPass::Columns(uint32_t width) const {
  const auto first = static_cast<uint32_t>(FirstColumn);
  return width > first ? (width - first + static_cast<uint32_t>(ColumnStep) - 1) / static_cast<uint32_t>(ColumnStep) : 0;
}

uint32_t TPass::Rows(uint32_t height) const {
  const auto first = static_cast<uint32_t>(FirstRow);
  return height > first ? (height - first + static_cast<uint32_t>(RowStep) - 1) / static_cast<uint32_t>(RowStep) : 0;
}

}  // namespace zelvan::image::png
